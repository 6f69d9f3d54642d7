#!/bin/sh
# Sets up, builds and starts the reader.
set -e
cd "$(dirname "$0")/.."
# Set up and build first, even without a display: the advice below needs
# xvfb-run, which the set-up installs.
tools/setup.sh
. tools/steps.sh
step "building" cmake --build build --target quillora
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the window cannot open." >&2
  echo "The reader is built; to run it on a virtual display: xvfb-run -a tools/start.sh" >&2
  exit 1
fi
exec build/shell/Quillora
