#!/usr/bin/env bash
# Makes the three faces of the skinned buttons (data/tubiao/): resting
# ("移走"), under the pointer ("移上") and pressed ("按下"). Drawn at twice
# the button size (89 x 25) so that they stay sharp on 2x screens.
#   chrome/assets/make_button_faces.sh [data folder]
set -euo pipefail
data=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/data"}
mkdir -p "$data/tubiao"

face() { # name, top colour, bottom colour, border
  convert -size 178x50 "gradient:$2-$3" \
    \( -size 178x50 xc:none -fill white -draw 'roundrectangle 0,0 177,49 10,10' \) \
    -alpha off -compose CopyOpacity -composite -background '#f4f6f9' -alpha remove \
    -fill none -stroke "$4" -strokewidth 2 -draw 'roundrectangle 1,1 176,48 10,10' \
    -quality 95 -sampling-factor 1x1 "$data/tubiao/$1.jpg"
}
face 按钮_移走 '#fdfdfe' '#d9e0e8' '#8a98a8'
face 按钮_移上 '#ffffff' '#c6dcf2' '#4a86c0'
face 按钮_按下 '#b7cfe8' '#e9f1f9' '#2f5f8f'
