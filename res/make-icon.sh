#!/bin/bash
# Draws the program's icon, a clock face inside a circular arrow (the tool
# restarts a program on a timetable), and writes korvalis.ico with a 32x32
# and a 16x16 image. The .ico is committed, so the build does not need
# ImageMagick; run this again only to change the picture.
#   res/make-icon.sh
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn large on a 128-pixel canvas and scaled down, so the small images
# come out smoothed. The arrow is a ring with a wedge cut out at the top
# (a thick open stroke here comes out closed) and a head at the top,
# pointing clockwise.
convert -size 128x128 xc:none \
  -stroke '#1E7A34' -strokewidth 14 -fill none \
  -draw 'circle 64,64 64,14' \
  \( -size 128x128 xc:none -fill black -draw 'polygon 64,64 64,-36 151,14' \) \
  -compose DstOut -composite -compose Over \
  -stroke none -fill '#1E7A34' \
  -draw 'polygon 64,0 90,14 64,28' \
  -stroke '#1F3F8F' -strokewidth 6 -fill white \
  -draw 'circle 64,64 64,28' \
  -stroke '#1F3F8F' -strokewidth 8 \
  -draw 'stroke-linecap round line 64,64 64,38' \
  -draw 'stroke-linecap round line 64,64 84,64' \
  -stroke none -fill '#C0262C' \
  -draw 'circle 64,64 64,58' \
  "$work/icon.png"

# Each size is resized on its own from the drawing: the .ico then holds the
# two images the window asks for by size.
convert "$work/icon.png" -define icon:auto-resize=32,16 korvalis.ico
