#!/bin/sh
# Sets up, builds and starts the reader.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --build build --target quillora
exec build/shell/Quillora
