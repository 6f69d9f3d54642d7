#!/bin/sh
# Builds the real library for the tests from the pinned package, when npm
# can be reached; otherwise leaves it out, and the tests that need it skip.
#   build_real.sh SOURCE_DIR MKLIBRARY OUTPUT
set -e
. "$1/tools/library/chinese-poetry.lock"
rm -f "$3"
if ! timeout 60 npm view "$CP_NAME@$CP_VERSION" version >/dev/null 2>&1; then
    echo "npm cannot be reached: the real library is not built, its tests skip"
    exit 0
fi
cd "$1"
MKLIBRARY="$2" tools/library/build.sh "$3"
