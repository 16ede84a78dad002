#!/usr/bin/env bash
# Makes the Windows program's resources from the artwork's SVG sources: the chat banner as a 24-bit
# bitmap of 152 x 68 pixels and the icon in the sizes Windows shows. Run it after changing
# assets/banner.svg or assets/icon.svg and commit what it writes (Debian: librsvg2-bin, imagemagick).
set -euo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)
out=$tree/app/win32
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

rsvg-convert -w 152 -h 68 -o "$scratch/banner.png" "$tree/assets/banner.svg"
/usr/bin/convert "$scratch/banner.png" -background "#f0f0f0" -flatten -type TrueColor \
    BMP3:"$out/banner.bmp"

icons=()
for size in 16 24 32 48 64 256; do
    rsvg-convert -w "$size" -h "$size" -o "$scratch/icon-$size.png" "$tree/assets/icon.svg"
    icons+=("$scratch/icon-$size.png")
done
/usr/bin/convert "${icons[@]}" "$out/quarvel.ico"
