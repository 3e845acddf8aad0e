#!/usr/bin/env bash
# Draws the Orvanta icon (a white schwa on a blue tile, with an amber stress
# mark) and writes every image the program ships:
#   64.png            the About box image
#   01.ico            Windows icon: 48, 32, 16 at 8 bits; 256, 128, 48, 32, 16 at 32 bits
#   01.icns           macOS icon family: 16, 32, 48 with 8-bit masks
#   icons/NxN.png     the hicolor theme sizes for the Linux desktop entry
# Needs ImageMagick 6 (convert), python3, the icnsutils tool png2icns and the
# DejaVu fonts. Run it from anywhere; it writes beside itself.
set -euo pipefail
cd "$(dirname "$0")"

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -r "$font" ] || { echo "missing $font (fonts-dejavu-core)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Master at 1024 x 1024: a diagonal blue gradient clipped to a rounded tile.
convert -size 1024x1024 xc: -sparse-color Barycentric '0,0 #2f8fd0 1023,1023 #173f8a' \
    "$work/gradient.png"
convert -size 1024x1024 xc:none -fill white \
    -draw 'roundrectangle 40,40 983,983 190,190' "$work/mask.png"
convert "$work/gradient.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \
    "$work/tile.png"
# A faint inner rim for depth.
convert -size 1024x1024 xc:none -fill none -stroke '#ffffff40' -strokewidth 14 \
    -draw 'roundrectangle 52,52 971,971 180,180' "$work/rim.png"
# The schwa, and the primary stress mark before it.
convert -size 1024x1024 xc:none -font "$font" -fill white -pointsize 760 \
    -gravity center -annotate +40-60 'ə' "$work/schwa.png"
convert -size 1024x1024 xc:none -fill '#ffc23a' \
    -draw 'roundrectangle 190,200 262,440 30,30' "$work/stress.png"
convert "$work/tile.png" "$work/rim.png" -composite "$work/schwa.png" -composite \
    "$work/stress.png" -composite "$work/master.png"

mkdir -p icons
for s in 16 32 48 64 128 256; do
    convert "$work/master.png" -filter Lanczos -resize "${s}x${s}" -depth 8 -strip \
        "PNG32:icons/${s}x${s}.png"
done
cp icons/64x64.png 64.png

# Windows icon: the 8-bit images quantised to 255 colours plus transparency.
for s in 48 32 16; do
    convert "icons/${s}x${s}.png" -alpha off -colors 255 "$work/q$s.png"
    convert "$work/q$s.png" "icons/${s}x${s}.png" -compose CopyOpacity -composite \
        -depth 8 "PNG32:$work/p$s.png"
done
python3 make-ico.py 01.ico 48:8:"$work/p48.png" 32:8:"$work/p32.png" 16:8:"$work/p16.png" \
    256:32:icons/256x256.png 128:32:icons/128x128.png 48:32:icons/48x48.png \
    32:32:icons/32x32.png 16:32:icons/16x16.png

png2icns 01.icns icons/16x16.png icons/32x32.png icons/48x48.png >/dev/null
