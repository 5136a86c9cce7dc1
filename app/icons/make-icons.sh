#!/usr/bin/env bash
# Draws the icons shipped for desktops whose theme lacks them. Run by hand
# after a change; the PNG files are committed.
set -euo pipefail
cd "$(dirname "$0")"

page='fill white stroke #555555 stroke-width 1 path "M 4.5,2.5 L 13.5,2.5 L 17.5,6.5 L 17.5,19.5 L 4.5,19.5 Z"'
lines='stroke #8a8a8a line 7,9 15,9 line 7,12 15,12 line 7,15 13,15'
folder='fill #e8b94a stroke #9a7420 stroke-width 1 path "M 2.5,6.5 L 8.5,6.5 L 10.5,8.5 L 19.5,8.5 L 19.5,18.5 L 2.5,18.5 Z"'
disk='fill #3b6fb6 stroke #1f3f6e stroke-width 1 roundrectangle 3.5,3.5 18.5,18.5 2,2 fill white stroke none rectangle 6,4 15,9 fill #dddddd rectangle 7,12 15,18'

draw() { # name size draw-commands...
    local name=$1 size=$2
    shift 2
    convert -size "${size}x${size}" xc:none -strokewidth 1 "$@" "PNG32:$name.png"
}

draw document-new 22 -draw "$page" -draw "fill #2e9a3e stroke none circle 16,16 16,12 fill white rectangle 15,13.5 17,18.5 rectangle 13.5,15 18.5,17"
draw document-open 22 -draw "$folder"
draw document-save 22 -draw "$disk"
draw document-save-as 22 -draw "$disk" -draw "fill #f0c040 stroke #806010 polygon 12,20 20,12 21,13 13,21"
draw document-save-all 22 -draw "fill #6d8fc6 stroke #1f3f6e roundrectangle 1.5,1.5 14.5,14.5 2,2" \
    -draw "fill #3b6fb6 stroke #1f3f6e roundrectangle 6.5,6.5 20.5,20.5 2,2 fill white stroke none rectangle 9,7 17,11 fill #dddddd rectangle 10,14 17,20"
draw application-exit 22 -draw "fill none stroke #b03030 stroke-width 2 arc 4,4 18,18 300,240 line 11,2 11,10"
draw edit-cut 22 -draw "fill none stroke #444444 stroke-width 1.5 circle 6,17 6,14 circle 16,17 16,14 line 8,15 15,3 line 14,15 7,3"
draw edit-copy 22 -draw "fill white stroke #555555 rectangle 2.5,2.5 12.5,14.5 rectangle 8.5,7.5 18.5,19.5" -draw "$lines"
draw edit-paste 22 -draw "fill #c8a064 stroke #6e5028 roundrectangle 3.5,3.5 16.5,20.5 1,1 fill #888888 stroke none rectangle 7,2 13,5 fill white stroke #555555 rectangle 9.5,8.5 19.5,20.5"
draw edit-delete 22 -draw "fill none stroke #c03030 stroke-width 3 line 5,5 17,17 line 17,5 5,17"
undo_arc='fill none stroke #3b6fb6 stroke-width 2.5 arc 4,6 18,20 180,360'
draw edit-undo 22 -draw "$undo_arc" -draw "fill #3b6fb6 stroke none polygon 0,12 8,12 4,17"
draw edit-redo 22 -draw "$undo_arc" -draw "fill #3b6fb6 stroke none polygon 14,12 22,12 18,17"
draw list-add 22 -draw "fill #2e9a3e stroke none rectangle 9,3 13,19 rectangle 3,9 19,13"
draw edit-clear 22 -draw "fill #e0e0e0 stroke #666666 polygon 3,14 11,6 19,14 11,20" -draw "fill #e07070 stroke #903030 polygon 3,14 7,10 15,18 11,20"
draw help-contents 22 -draw "fill #3b6fb6 stroke #1f3f6e circle 11,11 11,1.5" \
    -draw "fill white stroke none font DejaVu-Sans-Bold font-size 15 text 6.5,17 '?'"
draw help-about 22 -draw "fill #3b6fb6 stroke #1f3f6e circle 11,11 11,1.5" \
    -draw "fill white stroke none circle 11,6.5 11,5 rectangle 9.5,9 12.5,17"
draw view-list-tree 22 -draw "fill #3b6fb6 stroke none rectangle 2,3 8,7 rectangle 8,10 13,13 rectangle 8,16 13,19" \
    -draw "stroke #555555 fill none line 4.5,7 4.5,17.5 line 4.5,11.5 8,11.5 line 4.5,17.5 8,17.5 line 15,11.5 20,11.5 line 15,17.5 20,17.5"
draw utilities-terminal 22 -draw "fill #303030 stroke #101010 roundrectangle 1.5,3.5 20.5,18.5 2,2" \
    -draw "fill none stroke #60e060 stroke-width 1.5 polyline 5,8 8,11 5,14 line 10,14 15,14"
draw text-x-generic 16 -draw "fill white stroke #555555 path 'M 3.5,1.5 L 10.5,1.5 L 13.5,4.5 L 13.5,14.5 L 3.5,14.5 Z'" \
    -draw "stroke #3b6fb6 line 5,6 12,6 line 5,9 12,9 line 5,12 10,12"
draw x-office-document 16 -draw "fill #fff7d8 stroke #9a7420 rectangle 2.5,2.5 13.5,13.5" \
    -draw "stroke #9a7420 line 2.5,6.5 13.5,6.5 line 6.5,6.5 6.5,13.5"
draw row-closed 16 -draw "fill white stroke #707070 rectangle 3.5,3.5 12.5,12.5 stroke #202020 line 5,8 11,8 line 8,5 8,11"
draw row-open 16 -draw "fill white stroke #707070 rectangle 3.5,3.5 12.5,12.5 stroke #202020 line 5,8 11,8"
draw row-field 16 -draw "stroke #909090 line 7.5,0 7.5,8 line 7.5,8 13,8"
draw corvid 48 -draw "fill #26344a stroke none roundrectangle 1,1 47,47 8,8" \
    -draw "fill white stroke none path 'M 10,30 C 14,18 26,12 38,14 L 31,19 L 40,22 C 30,24 24,30 22,38 C 19,34 14,32 10,30 Z'" \
    -draw "fill #26344a circle 30,17 30,15.8"
