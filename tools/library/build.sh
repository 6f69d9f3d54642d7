#!/bin/sh
# Builds the library file from the pinned chinese-poetry package (npm).
#   tools/library/build.sh [OUTPUT]        default: build/library/library.qll
# An unpacked package can be given instead of fetching it:
#   QUILLORA_PACKAGE_DIR=/path/to/package tools/library/build.sh
set -e
cd "$(dirname "$0")/../.."
. tools/library/chinese-poetry.lock
. tools/library/pinyin-pro.lock
output=${1:-build/library/library.qll}
work=build/library/work
mkdir -p "$work" "$(dirname "$output")"
mklibrary=${MKLIBRARY:-build/tools/library/mklibrary/mklibrary}
[ -n "${MKLIBRARY:-}" ] || cmake --build build --target mklibrary >/dev/null
# Fetches a pinned npm package into $work once and checks its bytes.
fetch() {
    tarball="$work/$1-$2.tgz"
    if [ ! -f "$tarball" ]; then
        python3 tools/library/fetch.py "$1" "$2" "$tarball"
    fi
    actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
    if [ "$actual" != "$3" ]; then
        echo "build.sh: $tarball is not the pinned $1 $2 ($actual)" >&2
        rm -f "$tarball"
        exit 1
    fi
}
fetch "$PP_NAME" "$PP_VERSION" "$PP_INTEGRITY"
rm -rf "$work/pinyin-pro"
mkdir -p "$work/pinyin-pro"
tar -xzf "$work/$PP_NAME-$PP_VERSION.tgz" -C "$work/pinyin-pro"
package=${QUILLORA_PACKAGE_DIR:-}
if [ -z "$package" ]; then
    fetch "$CP_NAME" "$CP_VERSION" "$CP_INTEGRITY"
    rm -rf "$work/package"
    tar -xzf "$tarball" -C "$work"
    package="$work/package"
fi
start=$(date +%s)
python3 tools/library/extract.py "$package" "$work/records.jsonl"
"$mklibrary" --fold tools/library/fold_additions.txt "$work/fold.tsv"
node tools/library/readings.mjs "$work/records.jsonl" "$work/pinyin-pro/package" "$work/fold.tsv" \
    tools/pinyin/overrides.json "$work/readings.jsonl"
"$mklibrary" "$work/records.jsonl" tools/library/fold_additions.txt "$output" "$work/readings.jsonl"
echo "build.sh: $output, $(du -h "$output" | cut -f1), built in $(( $(date +%s) - start )) s"
