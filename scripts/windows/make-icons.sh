#!/usr/bin/env bash
# Draws the icons of the Windows programs, packaging/windows/vorlane.ico and extracteur.ico,
# from the design of packaging/icons/*.svg (the same shapes, four times larger) with
# ImageMagick and the DejaVu faces, at the sizes Windows shows: 256, 64, 48, 32 and 16 pixels.
# The .ico files are kept in the tree; run again after changing an icon's design.
set -euo pipefail
out=$(cd "$(dirname "$0")/../../packaging/windows" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# vorlane: a letter tile on the trainer's warm background, with a clock in its corner.
convert -size 512x512 xc:none \
  -fill '#ffe0c0' -draw 'roundrectangle 16,16 495,495 80,80' \
  -fill '#f3d9a4' -stroke '#8a5a2b' -strokewidth 16 -draw 'roundrectangle 72,72 439,439 40,40' \
  -stroke none -fill '#3b2412' -font DejaVu-Serif-Bold -pointsize 272 -draw "text 125,360 'V'" \
  -font DejaVu-Sans -pointsize 72 -draw "text 361,400 '4'" \
  -fill white -stroke '#c00000' -strokewidth 16 -draw 'circle 400,112 480,112' \
  -draw 'stroke-linecap round line 400,112 400,56' \
  -draw 'stroke-linecap round line 400,112 440,128' "$work/vorlane.png"

# extracteur: a list of words turned into draw;word lines.
convert -size 512x512 xc:none \
  -fill white -stroke '#4a4a4a' -strokewidth 16 -draw 'roundrectangle 40,32 359,447 32,32' \
  -strokewidth 24 -draw 'stroke-linecap round line 96,128 304,128' \
  -draw 'stroke-linecap round line 96,208 272,208' \
  -draw 'stroke-linecap round line 96,288 304,288' \
  -draw 'stroke-linecap round line 96,368 240,368' \
  -fill '#f3d9a4' -stroke '#8a5a2b' -strokewidth 16 -draw 'roundrectangle 256,240 479,463 32,32' \
  -stroke none -fill '#3b2412' -font DejaVu-Serif-Bold -pointsize 160 -draw "text 305,408 'A'" \
  -fill none -stroke '#2a7a2a' -strokewidth 20 \
  -draw 'stroke-linecap round stroke-linejoin round path "M384 80 l80 0 l-32 -32 M464 80 l-32 32"' \
  "$work/extracteur.png"

for program in vorlane extracteur; do
  convert "$work/$program.png" -define icon:auto-resize=256,64,48,32,16 "$out/$program.ico"
  echo "$out/$program.ico"
done
