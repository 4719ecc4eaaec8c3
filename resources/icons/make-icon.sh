#!/bin/sh
# Draws daybloom.png, the window icon: a calendar page with a flower in bloom.
# Needs ImageMagick; run it from this folder to regenerate the picture.
set -e
convert -size 1024x1024 xc:none \
  -fill '#00000030' -draw 'roundrectangle 96,136 944,968 96,96' \
  -fill '#ffffff' -stroke '#c9ccd3' -strokewidth 12 -draw 'roundrectangle 80,112 928,944 88,88' \
  -stroke none -fill '#2f7d74' -draw 'roundrectangle 80,112 928,352 88,88' \
  -fill '#2f7d74' -draw 'rectangle 80,260 928,352' \
  -fill '#e9edf0' -draw 'roundrectangle 236,56 292,220 28,28' -draw 'roundrectangle 716,56 772,220 28,28' \
  -fill '#9aa3ad' \
  -draw 'roundrectangle 176,432 276,512 14,14' -draw 'roundrectangle 316,432 416,512 14,14' \
  -draw 'roundrectangle 456,432 556,512 14,14' -draw 'roundrectangle 596,432 696,512 14,14' \
  -draw 'roundrectangle 736,432 836,512 14,14' \
  -draw 'roundrectangle 176,562 276,642 14,14' -draw 'roundrectangle 316,562 416,642 14,14' \
  -draw 'roundrectangle 456,562 556,642 14,14' \
  -draw 'roundrectangle 176,692 276,772 14,14' -draw 'roundrectangle 316,692 416,772 14,14' \
  -fill '#e4576e' \
  -draw 'circle 690,620 690,540' -draw 'circle 786,690 786,610' -draw 'circle 750,802 750,722' \
  -draw 'circle 630,802 630,722' -draw 'circle 594,690 594,610' \
  -fill '#f2a13b' -draw 'circle 690,712 690,652' \
  -fill '#fff3c4' -draw 'circle 674,694 674,682' \
  -resize 256x256 -depth 8 daybloom.png
