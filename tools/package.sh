#!/bin/sh
# Builds the Debian package build/quillora_<version>_<arch>.deb.
#   tools/package.sh        then, as root: apt-get install ./build/quillora_*.deb
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/steps.sh
step "building" cmake --build build --target quillora manual_page
step "packaging" sh -c 'cd build && cpack'
ls build/quillora_*.deb
