#!/bin/bash
# Builds the library's data package around a library file and checks what apt
# and dpkg will see: one architecture-independent package that installs the
# file where the reader looks for it, with the source's licence, and that the
# reader's package recommends.
#   library_package.sh SOURCE_DIR LIBRARY_FILE VERSION
set -u
source_dir=$1 library=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() {  # description, then the command that must succeed
  local what=$1; shift
  "$@" || { echo "FAILED: $what"; fail=1; }
}

if ! (cmake -S "$source_dir/tools/library/deb" -B "$work/build" -DQUILLORA_VERSION="$version" \
        -DLIBRARY_FILE="$library" -DOUTPUT_DIR="$work" && cd "$work/build" && cpack) \
        >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"; exit 1
fi
deb="$work/quillora-library_${version}_all.deb"
[ -f "$deb" ] || { echo "no $deb"; ls "$work"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
check "Package" test "$(field Package)" = quillora-library
check "Version is the reader's" test "$(field Version)" = "$version"
check "Architecture all" test "$(field Architecture)" = all
check "no Depends: the data needs nothing" test -z "$(field Depends)"
description=$(field Description)
check "description lines fit 80 columns" test -z "$(awk 'length > 79' <<<"$description")"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)
expected="./usr/share/doc/quillora-library/changelog.gz
./usr/share/doc/quillora-library/copyright
./usr/share/quillora/library.qll"
if ! diff -u <(echo "$expected") <(echo "$files"); then echo "package file list differs"; fail=1; fi
dpkg-deb -x "$deb" "$work/root"
check "the library file unchanged" cmp -s "$library" "$work/root/usr/share/quillora/library.qll"
copyright="$work/root/usr/share/doc/quillora-library/copyright"
check "the source's MIT notice" grep -q 'Copyright: 2016 JackeyGao' "$copyright"
check "the MIT permission text" grep -q 'Permission is hereby granted' "$copyright"
check "changelog's top entry is this version" test "$(zcat \
  "$work/root/usr/share/doc/quillora-library/changelog.gz" | head -1)" = \
  "quillora-library ($version) unstable; urgency=medium"
if command -v lintian >/dev/null; then
  errors=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep '^E: ')
  check "lintian finds no error" test -z "$errors"
  [ -z "$errors" ] || echo "$errors"
fi
echo "library package: $(stat -c %s "$deb") bytes"
exit $fail
