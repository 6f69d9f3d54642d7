#!/bin/bash
# The desktop entry and the AppStream metainfo pass their validators without
# a warning, and every bitmap icon has the size its theme folder names.
#   desktop_metadata.sh RESOURCES_DESKTOP_DIR
set -u
dir=$1
fail=0

out=$(desktop-file-validate "$dir"/*.desktop 2>&1) || fail=1
[ -z "$out" ] || { echo "$out"; fail=1; }

out=$(appstreamcli validate --no-net --pedantic "$dir"/*.metainfo.xml 2>&1) || fail=1
if echo "$out" | grep -E '^(E|W|I|P):'; then fail=1; fi

# The metainfo launches the entry, and the entry names the icon installed.
entry=$(basename "$dir"/*.desktop)
grep -q "<launchable type=\"desktop-id\">$entry</launchable>" "$dir"/*.metainfo.xml ||
  { echo "the metainfo does not launch $entry"; fail=1; }
icon=$(sed -n 's/^Icon=//p' "$dir/$entry")
[ -f "$dir/$icon.svg" ] || { echo "no $icon.svg for Icon=$icon"; fail=1; }
grep -q "<icon type=\"stock\">$icon</icon>" "$dir"/*.metainfo.xml ||
  { echo "the metainfo names another icon"; fail=1; }

png_size() {  # width x height from the PNG header
  od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}
for png in "$dir"/icons/*/quillora.png; do
  want=$(basename "$(dirname "$png")")
  got=$(png_size "$png")
  [ "$got" = "$want" ] || { echo "$png is $got, not $want"; fail=1; }
done
exit $fail
