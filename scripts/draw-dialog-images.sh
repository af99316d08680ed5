#!/usr/bin/env bash
# Draws the small images of the dialogs, on magenta (0xFF00FF), which the image lists make
# transparent: the 9x9 arrows (up, down, right, left) of the search, preferences and FTP
# account dialogs, and the 16x16 buttons (parent folder, new folder, accounts) and list
# entries (parent "..", link, folder, file) of the remote file dialog. Needs ImageMagick;
# run it after changing a drawing and commit what it writes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/editor/res
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
draw() {  # draw NAME SIZE IMAGEMAGICK-ARGUMENTS…
  local name=$1 size=$2
  shift 2
  convert -size "$size" xc:'#ff00ff' +antialias "$@" "$work/$name.png"
}
folder=(-fill '#f0c040' -stroke '#806000' -draw "path 'M 1,4 L 6,4 L 7,5 L 14,5 L 14,13 L 1,13 Z'")

draw up 9x9 -fill black -draw "polygon 4,1 0,6 8,6"
draw down 9x9 -fill black -draw "polygon 0,2 8,2 4,7"
draw right 9x9 -fill black -draw "polygon 2,0 7,4 2,8"
draw left 9x9 -fill black -draw "polygon 6,0 1,4 6,8"

draw parent 16x16 "${folder[@]}" -stroke black -fill black -draw "polygon 8,6 5,9 11,9" -draw "line 8,9 8,12"
draw create 16x16 "${folder[@]}" -stroke '#008000' -strokewidth 2 -draw "line 8,7 8,12" -draw "line 5,9 11,9"
draw accounts 16x16 -fill '#c0c0c0' -stroke '#404040' -draw "rectangle 2,2 13,10" \
  -fill '#4080ff' -stroke none -draw "rectangle 4,4 11,8" -fill '#808080' -stroke '#404040' -draw "rectangle 5,12 10,14"

draw dotdot 16x16 -stroke black -fill black -draw "polygon 7,2 2,8 12,8" -draw "line 7,8 7,14"
draw link 16x16 "${folder[@]}" -fill white -stroke '#0000c0' -draw "rectangle 1,8 7,14" \
  -fill none -draw "line 3,12 6,9" -draw "line 4,9 6,9" -draw "line 6,9 6,11"
draw folder 16x16 "${folder[@]}"
draw file 16x16 -fill white -stroke '#404040' -draw "path 'M 3,1 L 10,1 L 13,4 L 13,14 L 3,14 Z'" \
  -stroke '#808080' -draw "line 5,6 11,6" -draw "line 5,8 11,8" -draw "line 5,10 11,10"

strip() {  # strip FILE IMAGE…
  local file=$1
  shift
  convert "${@/#/$work/}" +append -type truecolor BMP3:"$out/$file"
}
strip Arrows.bmp up.png down.png right.png left.png
strip RemoteButtons.bmp parent.png create.png accounts.png
strip RemoteEntries.bmp dotdot.png link.png folder.png file.png
