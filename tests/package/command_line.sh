#!/bin/bash
# --help and --version answer without a display; a mistake on the command
# line is one line on standard error and exit status 2; the window without a
# display is one plain line and exit status 3. Messages name the program as
# it was typed.
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
links=$(mktemp -d)
trap 'rm -rf "$tmp" "$links"' EXIT

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

expect "the window without a display" 3 '^$' 1
grep -q "^Quillora: no graphical display is set" "$tmp" || { echo "no plain word about the display:"; cat "$tmp"; fail=1; }
# A display that does not answer is told the same way, by its name.
err=$(env -u WAYLAND_DISPLAY DISPLAY=:4711 QT_QPA_PLATFORM=xcb "$program" 2>&1 >/dev/null)
rc=$?
[ "$rc" = 3 ] || { echo "a display that cannot be opened: status $rc, want 3"; fail=1; }
[ "$(grep -c . <<<"$err")" = 1 ] && grep -q "display :4711 cannot be opened" <<<"$err" ||
  { echo "a display that cannot be opened is not named in one line:"; echo "$err"; fail=1; }

# Started by another name, the messages use that name.
ln -s "$(readlink -f "$program")" "$links/quillora"
program="$links/quillora"
expect "an empty query under the installed name" 2 '^$' 1 --find ""
grep -q "^quillora: --find needs a query (quillora --find" "$tmp" ||
  { echo "the empty query's message does not name quillora:"; cat "$tmp"; fail=1; }
expect "the window without a display under the installed name" 3 '^$' 1
grep -q "^quillora: " "$tmp" || { echo "the display's message does not name quillora"; fail=1; }
exit $fail
