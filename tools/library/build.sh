#!/bin/sh
# Builds the library file from the pinned chinese-poetry package (npm).
#   tools/library/build.sh [OUTPUT]        default: build/library/library.qll
# An unpacked package can be given instead of fetching it:
#   QUILLORA_PACKAGE_DIR=/path/to/package tools/library/build.sh
set -e
cd "$(dirname "$0")/../.."
. tools/library/chinese-poetry.lock
output=${1:-build/library/library.qll}
work=build/library/work
mkdir -p "$work" "$(dirname "$output")"
mklibrary=${MKLIBRARY:-build/tools/library/mklibrary/mklibrary}
[ -n "${MKLIBRARY:-}" ] || cmake --build build --target mklibrary >/dev/null
package=${QUILLORA_PACKAGE_DIR:-}
if [ -z "$package" ]; then
    tarball="$work/$CP_NAME-$CP_VERSION.tgz"
    if [ ! -f "$tarball" ]; then
        npm pack "$CP_NAME@$CP_VERSION" --pack-destination "$work" --silent >/dev/null
    fi
    actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
    if [ "$actual" != "$CP_INTEGRITY" ]; then
        echo "build.sh: $tarball is not the pinned $CP_NAME $CP_VERSION ($actual)" >&2
        rm -f "$tarball"
        exit 1
    fi
    rm -rf "$work/package"
    tar -xzf "$tarball" -C "$work"
    package="$work/package"
fi
start=$(date +%s)
python3 tools/library/extract.py "$package" "$work/records.jsonl"
"$mklibrary" "$work/records.jsonl" tools/library/fold_additions.txt "$output"
echo "build.sh: $output, $(du -h "$output" | cut -f1), built in $(( $(date +%s) - start )) s"
