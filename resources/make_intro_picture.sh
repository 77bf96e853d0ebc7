#!/bin/sh
# Draws the intro picture: "ZEF" in large yellow capitals with a soft glow,
# centred on black, and a thin dark-red strip with one line of small white
# text along the bottom edge. The result is the 256 x 256, 24-bit,
# uncompressed bottom-up bitmap that the intro turns into its texture.
#
# Usage: resources/make_intro_picture.sh [output.bmp]
# Needs ImageMagick 6 (convert) and the DejaVu fonts.
set -eu

out=${1:-$(dirname "$0")/intro.bmp}
title_font=DejaVu-Sans-Bold
strip_font=DejaVu-Sans
strip_text="ZeF v.3 - army recruitment planner"

# The glow is the lettering drawn in orange, blurred wide, under the sharp
# yellow lettering; the strip is drawn last so that the glow never covers it.
# 2834 pixels per metre is 28.34 per centimetre.
convert -size 256x256 xc:black \
    \( -size 256x256 xc:none -font "$title_font" -pointsize 104 \
       -fill '#ff9000' -stroke '#ff9000' -strokewidth 6 \
       -gravity center -annotate +0-8 ZEF -blur 0x9 \) -composite \
    -font "$title_font" -pointsize 104 -fill '#ffe000' -stroke '#fff27a' -strokewidth 1 \
    -gravity center -annotate +0-8 ZEF \
    -stroke none -fill '#7a0000' -draw 'rectangle 0,242 255,255' \
    -font "$strip_font" -pointsize 9 -fill white -gravity south -annotate +0+2 "$strip_text" \
    -alpha off -type TrueColor -units PixelsPerCentimeter -density 28.34 \
    BMP3:"$out"
