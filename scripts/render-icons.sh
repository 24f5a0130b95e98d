#!/usr/bin/env bash
# Renders the program's icon, data/icons/org.quillot.Quillot.svg, into the PNG sizes of the hicolor
# theme (data/icons/hicolor/<N>x<N>/apps/). The PNGs are committed: run this after changing the
# SVG. Needs rsvg-convert (Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.quillot.Quillot.svg \
    -o "hicolor/${size}x${size}/apps/org.quillot.Quillot.png"
done
