#!/bin/bash
# Installing into a staging root (as a distribution does) and into a user's
# own prefix (~/.local) gives exactly the expected files.
#   install_layout.sh BUILD_DIR EXPECTED_FILES
set -u
build=$1 expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

listing() { (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort); }

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null || exit 1
if ! diff -u "$expected" <(listing "$work/stage/usr"); then
  echo "staged install differs from $expected"; fail=1
fi
[ -z "$(ls -A "$work/stage" | grep -v '^usr$')" ] || { echo "files outside /usr"; fail=1; }
[ -x "$work/stage/usr/bin/quillora" ] || { echo "bin/quillora is not executable"; fail=1; }

cmake --install "$build" --prefix "$work/home/.local" >/dev/null || exit 1
if ! diff -u "$expected" <(listing "$work/home/.local"); then
  echo "user install differs from $expected"; fail=1
fi
exit $fail
