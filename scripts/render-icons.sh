#!/usr/bin/env bash
# Renders the program icon for the desktop's hicolor theme from its source drawing, one PNG
# per size, into resources/icons/hicolor/. Run it after changing resources/icons/src/clipvox.svg
# and commit the PNGs: the build itself needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
source=resources/icons/src/clipvox.svg
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    --output "resources/icons/hicolor/${size}x${size}.png" "$source"
done
