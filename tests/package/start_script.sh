#!/bin/bash
# tools/start.sh without a display sets up and builds first, so that the
# xvfb-run it then advises is installed; it starts nothing.
#   start_script.sh SOURCE_DIR
set -u
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# The script in a copy of the tree whose set-up and build only leave a trace.
mkdir -p "$work/tree/tools" "$work/bin"
cp "$source/tools/start.sh" "$source/tools/steps.sh" "$work/tree/tools/"
printf '#!/bin/sh\necho setup >>"%s/trace"\n' "$work" >"$work/tree/tools/setup.sh"
printf '#!/bin/sh\necho "cmake $*" >>"%s/trace"\n' "$work" >"$work/bin/cmake"
chmod +x "$work/tree/tools/setup.sh" "$work/bin/cmake"

err=$(env -u DISPLAY -u WAYLAND_DISPLAY PATH="$work/bin:$PATH" sh "$work/tree/tools/start.sh" 2>&1 >/dev/null)
rc=$?
[ "$rc" != 0 ] || { echo "status 0 without a display"; fail=1; }
trace=$(cat "$work/trace" 2>/dev/null)
[ "$(head -1 <<<"$trace")" = setup ] || { echo "the set-up did not run before the advice"; fail=1; }
grep -q "^cmake --build" <<<"$trace" || { echo "the reader was not built"; fail=1; }
grep -q "xvfb-run -a tools/start.sh" <<<"$err" || { echo "no advice:"; echo "$err"; fail=1; }
exit $fail
