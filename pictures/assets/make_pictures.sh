#!/usr/bin/env bash
# Makes the pictures the player ships: start pictures (data/开始画面/),
# backgrounds (data/背景图/: one stretched, one nine-part frame whose name
# ends in ".wzh") and the picture viewer's cursors (data/tubiao/). All are
# drawn here with ImageMagick; run it again after changing a design.
#   pictures/assets/make_pictures.sh [data folder]
set -euo pipefail
data=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/data"}
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
starts="$data/开始画面"
backgrounds="$data/背景图"
cursors="$data/tubiao"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$starts" "$backgrounds" "$cursors"
rm -f "$starts/.keep" "$backgrounds/.keep"

W=1920
H=1200

# The name of the player and a line beneath it, centred low on the picture.
title() { # picture, title colour, subtitle colour
  convert "$1" -font "$font" -gravity center \
    -fill "$2" -pointsize 132 -annotate +0+250 '璇音坊' \
    -fill "$3" -pointsize 38 -annotate +0+380 '聆 听 · 观 看 · 欣 赏' "$1"
}

# 夜曲: a night-blue sky with rings of sound spreading from a soft glow.
night() {
  local out="$tmp/night.png"
  convert -size ${W}x${H} gradient:'#0a1630-#1c3a5e' "$out"
  convert -size ${W}x${H} radial-gradient:'#4a86c0-#0a1630' -evaluate multiply 0.55 "$tmp/glow.png"
  convert "$out" "$tmp/glow.png" -compose screen -composite "$out"
  local rings=()
  for r in 90 170 250 330 410 490 570 650; do
    rings+=(-stroke "rgba(170,205,240,$(awk "BEGIN{print 0.55-$r/1400}"))" -draw "circle 960,520 960,$((520 - r))")
  done
  convert "$out" -fill none -strokewidth 2 "${rings[@]}" -blur 0x1.2 "$out"
  title "$out" '#eaf2ff' '#9fbbdc'
  convert "$out" -quality 84 -sampling-factor 4:2:0 "$starts/1-夜曲.jpg"
}

# 晨光: a dawn sky over layered blue hills.
dawn() {
  local out="$tmp/dawn.png"
  convert -size ${W}x${H} gradient:'#c9d8f0-#f7dcc4' "$out"
  convert "$out" \( -size ${W}x${H} xc:none -fill '#fff4e0' -draw 'circle 1380,560 1380,440' -blur 0x40 \) \
    -compose over -composite "$out"
  convert "$out" \
    -fill '#9fb3cc' -draw "path 'M 0,760 C 300,650 600,700 900,760 C 1200,820 1500,640 1920,700 L 1920,1200 L 0,1200 Z'" \
    -fill '#7d95b2' -draw "path 'M 0,860 C 400,780 700,900 1100,850 C 1450,810 1700,880 1920,840 L 1920,1200 L 0,1200 Z'" \
    -fill '#5f7896' -draw "path 'M 0,980 C 500,900 900,1010 1300,960 C 1600,925 1800,990 1920,970 L 1920,1200 L 0,1200 Z'" \
    -blur 0x1.5 "$out"
  title "$out" '#fbf7f2' '#eef1f7'
  convert "$out" -quality 84 -sampling-factor 4:2:0 "$starts/2-晨光.jpg"
}

# 青瓷: celadon green with large soft circles and a quiet wave.
celadon() {
  local out="$tmp/celadon.png"
  convert -size ${W}x${H} gradient:'#d6e8dc-#8db7a5' "$out"
  convert "$out" \( -size ${W}x${H} xc:none \
      -fill 'rgba(255,255,255,0.22)' -draw 'circle 420,380 420,60' \
      -fill 'rgba(255,255,255,0.15)' -draw 'circle 1500,300 1500,80' \
      -fill 'rgba(40,90,75,0.10)' -draw 'circle 1250,760 1250,420' -blur 0x25 \) \
    -compose over -composite "$out"
  convert "$out" -fill none -strokewidth 3 \
    -stroke 'rgba(255,255,255,0.55)' -draw "path 'M 0,600 C 320,520 640,680 960,600 C 1280,520 1600,680 1920,600'" \
    -stroke 'rgba(255,255,255,0.30)' -draw "path 'M 0,640 C 320,560 640,720 960,640 C 1280,560 1600,720 1920,640'" \
    -blur 0x0.8 "$out"
  title "$out" '#24463c' '#3d6358'
  convert "$out" -quality 84 -sampling-factor 4:2:0 "$starts/3-青瓷.jpg"
}

# 素雅: a quiet grey-blue, stretched behind the whole window.
plain_background() {
  convert -size 1024x768 gradient:'#eef2f7-#d3dde9' \
    \( -size 1024x768 xc:none -fill 'rgba(255,255,255,0.35)' -draw 'circle 180,120 180,-200' -blur 0x60 \) \
    -compose over -composite -quality 88 "$backgrounds/1-素雅.jpg"
}

# 边框: a frame drawn in nine parts (.wzh; the content is a JPEG). The
# picture stands for 12000 x 9000 twips, 800 x 600 pixels: corners 200 x
# 160, edges and centre stretch, so the band runs straight along the edges.
# Its lowest 39 pixels fall below the window, so the band ends above them.
frame_background() {
  convert -size 800x600 xc:'#eef2f7' \
    -fill none -stroke '#5b7fa6' -strokewidth 10 -draw 'roundrectangle 14,14 785,548 48,48' \
    -stroke '#a9bfd8' -strokewidth 3 -draw 'roundrectangle 32,32 767,530 34,34' \
    -stroke none -fill '#5b7fa6' \
    -draw 'circle 60,60 60,52' -draw 'circle 739,60 739,52' \
    -draw 'circle 60,502 60,494' -draw 'circle 739,502 739,494' \
    -quality 92 "jpg:$backgrounds/2-边框.wzh"
}

# A Windows cursor file from a 32 x 32 picture: ImageMagick writes an icon,
# which becomes a cursor with the type 2 and the hot spot in its entry.
to_cursor() { # picture, cursor file, hot spot x, y
  convert "$1" "ico:$2"
  printf '\x02' | dd of="$2" bs=1 seek=2 conv=notrunc status=none
  printf "\\x$(printf %02x "$3")\\x00\\x$(printf %02x "$4")\\x00" |
    dd of="$2" bs=1 seek=10 conv=notrunc status=none
}

# Black outline around white shapes: the shapes drawn thick in black, then
# again in white.
outlined() { # out, draw commands...
  local out=$1
  shift
  convert -size 32x32 xc:none -fill black -stroke black -strokewidth 3 "$@" \
    -fill white -stroke none "$@" "$out"
}

open_hand=(-draw 'roundrectangle 10,15 23,28 4,4' -draw 'roundrectangle 10,7 12,17 1,1'
  -draw 'roundrectangle 14,4 16,16 1,1' -draw 'roundrectangle 18,5 20,16 1,1'
  -draw 'roundrectangle 22,8 24,18 1,1' -draw 'polygon 6,16 8,14 13,20 11,22')
closed_hand=(-draw 'roundrectangle 10,12 24,27 4,4' -draw 'roundrectangle 10,9 13,14 1,1'
  -draw 'roundrectangle 14,8 17,14 1,1' -draw 'roundrectangle 18,8 21,14 1,1'
  -draw 'roundrectangle 21,10 24,15 1,1' -draw 'roundrectangle 7,15 11,21 2,2')
# One outline of four arrows, drawn white with a black edge.
four_arrows=(-fill white -stroke black -strokewidth 1.4 -draw "polygon 16,2 21,7 18,7 18,14
  25,14 25,11 30,16 25,21 25,18 18,18 18,25 21,25 16,30 11,25 14,25 14,18 7,18 7,21 2,16
  7,11 7,14 14,14 14,7 11,7")

make_cursors() {
  outlined "$tmp/up.png" "${open_hand[@]}"
  outlined "$tmp/down.png" "${closed_hand[@]}"
  convert -size 32x32 xc:none "${four_arrows[@]}" "$tmp/move.png"
  to_cursor "$tmp/up.png" "$cursors/up.cur" 16 16
  to_cursor "$tmp/down.png" "$cursors/down.cur" 16 16
  convert "$tmp/move.png" "ico:$cursors/move.ico"
}

night
dawn
celadon
plain_background
frame_background
make_cursors
ls -l "$starts" "$backgrounds" "$cursors"
