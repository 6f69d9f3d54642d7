#!/bin/sh
# Builds the real library for the tests from the pinned package, when the
# npm registry can be reached; otherwise leaves it out, and the tests that need it skip.
#   build_real.sh SOURCE_DIR MKLIBRARY OUTPUT
set -e
. "$1/tools/library/chinese-poetry.lock"
rm -f "$3"
if ! command -v node >/dev/null; then
    echo "no node to generate the readings: the real library is not built, its tests skip"
    exit 0
fi
if ! python3 "$1/tools/library/fetch.py" --reachable "$CP_NAME" "$CP_VERSION"; then
    echo "the npm registry cannot be reached: the real library is not built, its tests skip"
    exit 0
fi
cd "$1"
MKLIBRARY="$2" tools/library/build.sh "$3"
