#!/usr/bin/env bash
# Makes the slider panel's skin (data/tubiao/skin/): knobs dark and lit,
# track caps, middles and the balance track, the two toggle faces and the
# four step-button faces. Drawn at twice the control size so that they stay
# sharp on 2x screens; the controls scale them down on ordinary ones.
#   chrome/assets/make_skin.sh [data folder]
set -euo pipefail
data=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/data"}
skin="$data/tubiao/skin"
mkdir -p "$skin"
rm -f "$skin/.keep"

groove='#3b4a5c'   # track groove
rail='#c9d3de'     # track surround
accent='#4a86c0'   # lit and selected
dark='#6d7c8c'     # resting knob
paper='#f4f6f9'    # panel face

# Track pieces: a light rail with a dark groove down its middle. The caps
# round only their outer end: the rail runs on straight where a cap meets
# the stretched middle piece, so the column shows no seam.
track_piece() { # name, width, height, rail, groove
  convert -size "$2x$3" "xc:$paper" -fill "$rail" -stroke none -draw "$4" \
    -fill "$groove" -draw "$5" -quality 95 -sampling-factor 1x1 "$skin/$1.jpg"
}
track_piece 进度条_上 26 66 "roundrectangle 7,8 18,90 5,5" "roundrectangle 11,14 14,90 1,1"
track_piece 进度条_中 26 40 "rectangle 7,0 18,39" "rectangle 11,0 14,39"
track_piece 进度条_下 26 86 "roundrectangle 7,-20 18,72 5,5" "roundrectangle 11,-20 14,66 1,1"
track_piece 进度条_横 68 26 "roundrectangle 4,7 63,18 5,5" "roundrectangle 9,11 58,14 1,1"

# Knobs: a rounded grip with a centre line, grey at rest, blue when lit.
knob() { # name, width, height, fill, grip line
  convert -size "$2x$3" "xc:$paper" -fill "$4" -stroke '#2c3a48' -strokewidth 1 \
    -draw "roundrectangle 1,1 $(($2 - 2)),$(($3 - 2)) 6,6" \
    -stroke '#ffffff' -strokewidth 2 -draw "$5" "$skin/$1.jpg"
}
knob 进度条_滑块横_暗 48 26 "$dark" "line 12,13 35,13"
knob 进度条_滑块横_亮 48 26 "$accent" "line 12,13 35,13"
knob 进度条_滑块竖_暗 26 48 "$dark" "line 13,12 13,35"
knob 进度条_滑块竖_亮 26 48 "$accent" "line 13,12 13,35"

# Toggles: an empty rounded box, and the same box filled with a tick.
convert -size 30x30 "xc:$paper" -fill '#ffffff' -stroke "$dark" -strokewidth 2 \
  -draw 'roundrectangle 3,3 26,26 5,5' "BMP3:$skin/未选框.bmp"
convert -size 30x30 "xc:$paper" -fill "$accent" -stroke "$accent" -strokewidth 2 \
  -draw 'roundrectangle 3,3 26,26 5,5' -fill none -stroke '#ffffff' -strokewidth 3 \
  -draw 'stroke-linecap round' -draw 'line 8,15 13,20' -draw 'line 13,20 22,10' "BMP3:$skin/已选框.bmp"

# Step buttons: a chevron on a round face, deeper when pressed.
step() { # name, face, chevron as the two ends and the tip
  convert -size 30x30 "xc:$paper" -fill "$2" -stroke none -draw 'circle 15,15 15,2' \
    -fill none -stroke '#ffffff' -strokewidth 3 -draw 'stroke-linecap round' \
    -draw "line $3 $5" -draw "line $4 $5" "BMP3:$skin/$1.bmp"
}
step 向上_抬起 "$dark" 9,18 21,18 15,11
step 向上_按下 "$accent" 9,18 21,18 15,11
step 向下_抬起 "$dark" 9,12 21,12 15,19
step 向下_按下 "$accent" 9,12 21,12 15,19

# --- Open-file dialog preview panel (Form5) -------------------------------
# Its two knobs: upright grips of 150 x 270 twips (10 x 18 px, drawn at 2x)
# that ride on horizontal tracks, in the same colours as the main knobs.
knob form5进度条_滑块竖_暗 20 36 "$dark" "line 10,9 10,26"
knob form5进度条_滑块竖_亮 20 36 "$accent" "line 10,9 10,26"
# --- end of the preview panel's skin ---------------------------------------
