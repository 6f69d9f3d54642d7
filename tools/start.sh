#!/bin/sh
# Sets up, builds and starts the reader.
set -e
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the window cannot open." >&2
  echo "To run the reader on a virtual display: xvfb-run -a tools/start.sh" >&2
  exit 1
fi
tools/setup.sh
. tools/steps.sh
step "building" cmake --build build --target quillora
exec build/shell/Quillora
