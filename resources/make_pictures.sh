#!/usr/bin/env bash
# Makes every carried picture in this folder. Needs ImageMagick 6 and Python 3.
#   skin_picture.jpg  914 x 608 baseline JPEG: soft cyan and pale-blue clouds
#   kestrune.ico      the application icon, 16, 32 and 48 pixels
#   *.png             the glyphs, drawn by make_glyphs.py
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Skin picture: seeded plasma clouds, blurred, lit from the upper left, with a
# little grain so it reads as a photograph rather than a flat gradient.
convert -size 914x608 -seed 1709 plasma:grey60-grey40 -colorspace gray -blur 0x16 \
        -auto-level "$work/clouds.png"
convert -size 1x256 gradient:'#5cc4de-#f2fbff' -rotate 90 "$work/palette.png"
convert -size 914x608 radial-gradient:'#ffffff-#8a8a8a' -distort SRT '1.1,0 -150,-90' "$work/light.png"
convert "$work/clouds.png" "$work/light.png" -compose soft-light -composite -colorspace sRGB -type TrueColor -level 10%,95% \
        "$work/palette.png" -clut \
        -seed 1709 -attenuate 0.28 +noise Gaussian \
        -strip -colorspace sRGB -interlace none -sampling-factor 2x2 -quality 90 \
        "JPEG:skin_picture.jpg"

# Application icon: a white "K" on a cyan rounded tile.
for size in 16 32 48; do
  convert -size ${size}x${size} xc:none -fill '#1fa9c4' \
          -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $((size / 5)),$((size / 5))" \
          -fill white -font DejaVu-Sans-Bold -pointsize $((size * 3 / 4)) -gravity center \
          -annotate +0+0 K "PNG32:$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" kestrune.ico

python3 make_glyphs.py .
