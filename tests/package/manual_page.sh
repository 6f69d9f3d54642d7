#!/bin/bash
# The manual page renders without a warning and documents every option the
# program lists in --help and every variable the reader consults.
#   manual_page.sh MANPAGE EXECUTABLE
set -u
page=$1 program=$2
fail=0
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"${TMPDIR:-/tmp}/man.$$")
warnings=$(cat "${TMPDIR:-/tmp}/man.$$"); rm -f "${TMPDIR:-/tmp}/man.$$"
[ -z "$warnings" ] || { echo "man warns:"; echo "$warnings"; fail=1; }
# A terminal without UTF-8 gets the Chinese words in pinyin, never blanks.
ascii=$(LC_ALL=C LANG=C MANWIDTH=80 man --warnings -l "$page" 2>"${TMPDIR:-/tmp}/man.$$")
warnings=$(cat "${TMPDIR:-/tmp}/man.$$"); rm -f "${TMPDIR:-/tmp}/man.$$"
[ -z "$warnings" ] || { echo "man warns in the C locale:"; echo "$warnings"; fail=1; }
grep -q "chengyu (idiom)" <<<"$ascii" || { echo "no pinyin in the C locale"; fail=1; }
grep -q "诗人 *成语" <<<"$text" || { echo "no Chinese words in UTF-8"; fail=1; }
for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES ENVIRONMENT "EXIT STATUS"; do
  grep -q "^$section\$" <<<"$text" || { echo "no section $section"; fail=1; }
done
for option in $(env -u DISPLAY "$program" --help | grep -oE -- '--[a-z][a-z-]*'); do
  grep -q -- "$option" <<<"$text" || { echo "$option is not documented"; fail=1; }
done
for variable in XDG_CACHE_HOME XDG_CONFIG_HOME; do
  grep -q "^       $variable\$" <<<"$text" || { echo "$variable is not documented"; fail=1; }
done
exit $fail
