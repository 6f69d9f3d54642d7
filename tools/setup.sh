#!/bin/sh
# Installs what the reader needs to build, run and test, from Debian's
# packages, and configures the build folder. Safe to run again.
set -e
cd "$(dirname "$0")/.."

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin
  libgl-dev libsqlite3-dev libicu-dev libopencc-dev libgtest-dev libbenchmark-dev xvfb xauth fonts-wqy-microhei"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing:$missing"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${QUILLORA_CMAKE_FLAGS:-} >/dev/null
