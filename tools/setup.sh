#!/bin/sh
# Installs what the reader needs to build, run, test and package, from
# Debian's packages, and configures the build folder. Safe to run again.
set -e
cd "$(dirname "$0")/.."

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin
  libgl-dev libsqlite3-dev libicu-dev libopencc-dev libgtest-dev libbenchmark-dev xvfb xauth fonts-wqy-microhei
  desktop-file-utils appstream man-db dpkg-dev file xdotool python3 opencc nodejs ca-certificates poppler-utils"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  count=$(echo $missing | wc -w)
  packages_word=packages
  [ "$count" -ne 1 ] || packages_word=package
  sudo=""
  # Without root and without sudo nothing can be installed: say so first.
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing $packages_word ($count):$missing" >&2
      echo "Run as root, then run this again:" >&2
      echo "  apt-get update && apt-get install -y --no-install-recommends$missing" >&2
      exit 1
    fi
    sudo="sudo"
    echo "Missing $packages_word ($count):$missing (installing with sudo)"
  fi
  . tools/steps.sh
  step "updating the package lists" $sudo apt-get update
  step "installing $count $packages_word" $sudo env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends $missing
fi

. tools/steps.sh
step "configuring" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${QUILLORA_CMAKE_FLAGS:-}
