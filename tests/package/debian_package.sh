#!/bin/bash
# Builds the Debian package and checks what apt and dpkg will see: the control
# fields, the dependencies found by dpkg-shlibdeps, the file list and a
# stripped executable.
#   debian_package.sh BUILD_DIR EXPECTED_FILES
set -u
build=$1 expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() {  # description, then the command that must succeed
  local what=$1; shift
  "$@" || { echo "FAILED: $what"; fail=1; }
}

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work" >cpack.log 2>&1) ||
  { cat "$work/cpack.log"; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/quillora_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $deb"; ls "$work"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
check "Package" test "$(field Package)" = quillora
check "Version" test "$(field Version)" = "$version"
check "Section" test "$(field Section)" = education
check "Priority" test "$(field Priority)" = optional
check "Maintainer at example.org" grep -qE '^[^<]+ <[^@>]+@example\.org>$' <<<"$(field Maintainer)"
check "Homepage" grep -qE '^https://example\.org/' <<<"$(field Homepage)"
depends=$(field Depends)
for lib in libc6 libqt6core6 libqt6widgets6 libqt6webenginewidgets6 libsqlite3-0 libicu72; do
  check "Depends on $lib (from dpkg-shlibdeps)" grep -qE "(^|, )$lib( |,|$)" <<<"$depends"
done
check "Depends on a Chinese font" grep -qE '(^|, )fonts-wqy-microhei \| fonts-noto-cjk(,|$)' <<<"$depends"
check "Recommends the library" grep -qE '(^|, )quillora-library(,|$)' <<<"$(field Recommends)"
description=$(field Description)
check "short description" test "$(head -1 <<<"$description")" = "reader of classical Chinese literature"
check "long description" test "$(wc -l <<<"$description")" -ge 3
check "description lines fit 80 columns" test -z "$(awk 'length > 79' <<<"$description")"
check "paragraphs separated by ' .'" grep -qx ' \.' <<<"$description"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort)
if ! diff -u "$expected" <(echo "$files"); then echo "package file list differs"; fail=1; fi
check "everything under /usr, owned by root" \
  test -z "$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || $6 !~ /^\.\/usr\//')"

dpkg-deb -x "$deb" "$work/root"
check "executable stripped" test -z "$(readelf -S "$work/root/usr/bin/quillora" | grep -F .debug_info)"
changelog="$work/root/usr/share/doc/quillora/changelog.gz"
check "changelog's top entry is this version" \
  test "$(zcat "$changelog" 2>/dev/null | head -1)" = "quillora ($version) unstable; urgency=medium"
if command -v lintian >/dev/null; then
  # Errors only: a native package built by CPack is not held to every warning.
  errors=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep '^E: ')
  check "lintian finds no error" test -z "$errors"
  [ -z "$errors" ] || echo "$errors"
else
  echo "lintian is not installed: its checks are left out"
fi
check "installed executable runs" test "$("$work/root/usr/bin/quillora" --version)" = "Quillora $version"
echo "package: $(stat -c %s "$deb") bytes, Depends: $depends"
exit $fail
