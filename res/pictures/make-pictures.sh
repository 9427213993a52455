#!/usr/bin/env bash
# Makes every picture of the game into this folder: the 16-colour pixel art
# (computer, bar, packets, icon) and the three 24-bit speech-bubble badges.
# Needs python3 and ImageMagick (with the DejaVu fonts).
set -euo pipefail
cd "$(dirname "$0")"
python3 pixelart.py .

# bubble OUT WIDTH HEIGHT BUBBLE_ROWS BORDER FILL TEXT TEXT_COLOUR POINTS
# A rounded bubble with a three-pixel border over the upper rows, a tail at
# its lower left pointing down and a little left, and an anti-aliased word.
bubble() {
  local out=$1 w=$2 h=$3 rows=$4 border=$5 fill=$6 text=$7 ink=$8 points=$9
  local right=$((w - 2)) bottom=$((rows - 2)) mid=$(((rows - 1) / 2))
  local tail="8,$((rows - 4)) 17,$((rows - 4)) 4,$((h - 1))"
  local inner="10,$((rows - 6)) 15,$((rows - 6)) 7,$((h - 4))"
  convert -size "${w}x${h}" xc:white \
    -stroke "$border" -strokewidth 3 -fill "$fill" \
    -draw "roundrectangle 1,1 $right,$bottom 8,8" \
    -draw "polygon $tail" \
    -stroke none -fill "$fill" -draw "polygon $inner" \
    -font DejaVu-Sans-Bold -pointsize "$points" -fill "$ink" -gravity center \
    -annotate "+0-$(((h - 1) / 2 - mid))" "$text" \
    -alpha off -type TrueColor "BMP3:$out"
}
bubble get.bmp 64 32 27 'rgb(247,150,70)' white 'Get!!' 'rgb(192,0,0)' 13
bubble thanks.bmp 113 35 29 'rgb(0,176,240)' white 'Thank you!!' 'rgb(0,112,192)' 13
bubble boo.bmp 72 35 29 black black 'Boo!!' 'rgb(252,213,181)' 13
