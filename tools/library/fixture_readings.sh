#!/bin/sh
# Regenerates the fixture's pinyin (tools/library/fixture_readings.jsonl)
# after the fixture slice or the reading rules change; fetches the pinned
# pinyin-pro like build.sh.   tools/library/fixture_readings.sh
set -e
cd "$(dirname "$0")/../.."
. tools/library/pinyin-pro.lock
work=build/library/work
mkdir -p "$work"
cmake --build build --target mklibrary >/dev/null
tarball="$work/$PP_NAME-$PP_VERSION.tgz"
[ -f "$tarball" ] || python3 tools/library/fetch.py "$PP_NAME" "$PP_VERSION" "$tarball"
actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
[ "$actual" = "$PP_INTEGRITY" ] || { echo "fixture_readings.sh: $tarball is not the pinned $PP_NAME" >&2; exit 1; }
rm -rf "$work/pinyin-pro" && mkdir -p "$work/pinyin-pro" && tar -xzf "$tarball" -C "$work/pinyin-pro"
python3 tools/library/extract.py tests/library/fixture "$work/fixture.jsonl"
build/tools/library/mklibrary/mklibrary --fold tools/library/fold_additions.txt "$work/fold.tsv"
node tools/library/readings.mjs "$work/fixture.jsonl" "$work/pinyin-pro/package" "$work/fold.tsv" \
    tools/pinyin/overrides.json tools/library/fixture_readings.jsonl
