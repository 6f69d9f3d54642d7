#!/bin/bash
# --help and --version answer without a display; a mistake on the command
# line is one line on standard error and exit status 2.
#   command_line.sh EXECUTABLE VERSION
set -u
program=$1 version=$2
fail=0
expect() {  # description, expected status, expected stdout pattern, expected stderr lines, args...
  local what=$1 status=$2 pattern=$3 errlines=$4; shift 4
  local out err rc
  # No display and the desktop platform plugin: opening a window would abort.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" 2>"$tmp")
  rc=$?
  err=$(cat "$tmp")
  [ "$rc" = "$status" ] || { echo "$what: status $rc, want $status"; fail=1; }
  grep -qE "$pattern" <<<"$out" || { echo "$what: stdout does not match /$pattern/:"; echo "$out"; fail=1; }
  [ "$(grep -c . <<<"$err")" = "$errlines" ] || { echo "$what: stderr has not $errlines line(s):"; echo "$err"; fail=1; }
}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT

expect "--help" 0 '^Usage: Quillora \[options\]' 0 --help
help=$(env -u DISPLAY "$program" -h)
for option in -h --help -v --version; do
  grep -qE -- "(^| )$option(,|  )" <<<"$help" || { echo "--help does not list $option"; fail=1; }
done
grep -q -- "-platform" <<<"$help" && { echo "--help lists the toolkit's options"; fail=1; }

expect "--version" 0 "^Quillora $version\$" 0 --version
[ "$(env -u DISPLAY "$program" --version | wc -l)" = 1 ] || { echo "--version is not one line"; fail=1; }
expect "toolkit option before --version" 0 "^Quillora $version\$" 0 -platform offscreen --version

expect "unknown option" 2 '^$' 1 --frobnicate
grep -q -- "frobnicate" "$tmp" || { echo "the error does not name the option"; fail=1; }
expect "unknown option after a known one" 2 '^$' 1 --version --frobnicate
expect "unexpected argument" 2 '^$' 1 somefile
expect "missing value" 2 '^$' 1 -platform
exit $fail
