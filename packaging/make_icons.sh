#!/usr/bin/env bash
# Draws the two games' icons: a bold letter on a coloured tile, in the sizes Windows asks for (one
# .ico each) and as the Linux desktop's theme icons (one PNG per size, under linux/icons).
set -euo pipefail
cd "$(dirname "$0")/icons"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

make_icon() {  # name letter colour
  local name=$1 letter=$2 colour=$3 sizes=() size
  for size in 16 24 32 48 64 256; do
    convert -size ${size}x${size} xc:none -fill "$colour" \
      -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $((size / 6)),$((size / 6))" \
      -font "$font" -pointsize $((size * 3 / 4)) -fill white -gravity center -annotate +0+0 "$letter" \
      "/tmp/$name-$size.png"
    sizes+=("/tmp/$name-$size.png")
  done
  convert "${sizes[@]}" "$name.ico"
  for size in 48 64 256; do
    mkdir -p "../linux/icons/${size}x${size}"
    cp "/tmp/$name-$size.png" "../linux/icons/${size}x${size}/org.example.lanternfold.$name.png"
  done
  rm -f "${sizes[@]}"
}

make_icon scrambolo S '#1f5fa8'
make_icon pebblix P '#2e7d32'
