#!/bin/sh
# Renders the reader's icon (resources/desktop/quillora.svg) to the bitmap
# sizes of the icon theme, next to it. Needs rsvg-convert (librsvg2-bin).
set -e
cd "$(dirname "$0")/../../resources/desktop"
for size in 16 32 48 64 128 256; do
  mkdir -p "icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" quillora.svg -o "icons/${size}x${size}/quillora.png"
done
