#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the pictures from their source drawings in resources/icons/src/: each toolbar and
# button picture at its own size and at twice that size (name@2x.png, which Qt picks on a
# screen with a device pixel ratio of 2), and the program icon for the desktop's hicolor
# theme, one PNG per size. Run it after changing a drawing and commit the PNGs: the build
# itself needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for source in resources/icons/src/*.svg; do
  name=$(basename "$source" .svg)
  case "$name" in
    row) size=(--width 16 --height 16) ;; # the list's row icon is drawn at 16 pixels
    *) size=() ;;                         # the drawing's own size
  esac
  rsvg-convert "${size[@]}" --output "resources/icons/$name.png" "$source"
  if [ "$name" = row ]; then
    rsvg-convert --width 32 --height 32 --output "resources/icons/$name@2x.png" "$source"
  else
    rsvg-convert --zoom 2 --output "resources/icons/$name@2x.png" "$source"
  fi
done
source=resources/icons/src/clipvox.svg
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    --output "resources/icons/hicolor/${size}x${size}.png" "$source"
done
