#!/bin/sh
# Draws the reader's small pictures (title wash, bullet, tree icons).
# Needs only python3 (standard library). Usage: draw.sh [OUTDIR]
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=${1:?usage: draw.sh OUTDIR (then copy rdm.bmp, dian.bmp to resources/pictures/Rdm.bmp, Dian.bmp and the PNGs to resources/icons/)}
mkdir -p "$out"
exec python3 "$here/draw.py" "$out"
