#!/bin/sh
# Sets up, builds and runs every test; the window tests run under Xvfb.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/steps.sh
step "building" cmake --build build
echo "== testing"
cd build
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j2 "$@"
