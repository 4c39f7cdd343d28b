#!/bin/sh
# Remakes the picture fixtures of the decoder tests with ImageMagick: small pictures of every
# BMP and PNG kind the readers take, and beside each the pixels ImageMagick itself reads from
# it (NAME.rgba, 8-bit RGBA, rows from the top) as the independent expected result.
# Run from anywhere; the output is committed, so the tests do not need ImageMagick.
set -eu
out="$(cd "$(dirname "$0")/.." && pwd)/tests/runtime/image/fixtures"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Four colours in a diagonal pattern, 7 x 5 (odd width: rows need padding).
printf 'P3\n7 5\n255\n' > four.ppm
for y in 0 1 2 3 4; do for x in 0 1 2 3 4 5 6; do
  case $(( (x + 2 * y) % 4 )) in
    0) echo "0 0 0";; 1) echo "255 255 255";; 2) echo "200 30 40";; 3) echo "20 60 220";;
  esac
done; done >> four.ppm
# Two colours, for 1 bit per pixel.
printf 'P3\n7 5\n255\n' > two.ppm
for y in 0 1 2 3 4; do for x in 0 1 2 3 4 5 6; do
  if [ $(( (x + y * y) % 2 )) = 0 ]; then echo "10 20 30"; else echo "240 230 100"; fi
done; done >> two.ppm
# Forty colours, for 8 bits per pixel.
printf 'P3\n8 5\n255\n' > forty.ppm
for i in $(seq 0 39); do echo "$((i * 6)) $((255 - i * 5)) $(( (i * 37) % 256 ))"; done >> forty.ppm

convert two.ppm -type palette -compress none BMP3:"$out/bmp_info_1bit.bmp"
convert four.ppm -type palette -compress none BMP3:"$out/bmp_info_4bit.bmp"
convert forty.ppm -type palette -compress none BMP3:"$out/bmp_info_8bit.bmp"
convert four.ppm -type truecolor -compress none BMP3:"$out/bmp_info_24bit.bmp"
convert four.ppm -type truecolormatte -compress none BMP:"$out/bmp_v5_32bit.bmp"
convert two.ppm -type palette -compress none BMP2:"$out/bmp_core_1bit.bmp"
convert four.ppm -type palette -compress none BMP2:"$out/bmp_core_4bit.bmp"
convert forty.ppm -type palette -compress none BMP2:"$out/bmp_core_8bit.bmp"
convert four.ppm -type truecolor -compress none BMP2:"$out/bmp_core_24bit.bmp"

convert four.ppm -colorspace gray -type grayscale PNG8:"$out/png_grey_palette.png"
convert four.ppm -type grayscale png:"$out/png_grey8.png"
convert two.ppm -colorspace gray -depth 1 png:"$out/png_grey1.png" 2>/dev/null || true
convert four.ppm -type palette png:"$out/png_palette.png"
convert four.ppm -type truecolor png24:"$out/png_rgb.png"
convert four.ppm -alpha set -channel A -fx '(i + j) / 12' +channel png32:"$out/png_rgba.png"
convert four.ppm -depth 16 png48:"$out/png_rgb16.png"
convert four.ppm -transparent black PNG8:"$out/png_palette_trns.png"
convert forty.ppm -interlace PNG png24:"$out/png_rgb_interlaced.png"
convert four.ppm -alpha set -channel A -fx 'i / 7' +channel -depth 16 png64:"$out/png_rgba16.png"
convert four.ppm -colorspace gray -alpha set -channel A -fx 'j / 5' +channel \
  -define png:color-type=4 png:"$out/png_grey_alpha.png"

for f in "$out"/*.bmp "$out"/*.png; do
  [ -f "$f" ] || continue
  case "$f" in
    # The BMP reader makes every pixel opaque, whatever a 32-bit file stores as alpha.
    *.bmp) convert "$f" -alpha off -alpha opaque -depth 8 rgba:"${f%.*}.rgba" ;;
    *) convert "$f" -depth 8 rgba:"${f%.*}.rgba" ;;
  esac
  identify -format '%f %wx%h %[bit-depth]\n' "$f"
done
