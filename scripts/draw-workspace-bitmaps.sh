#!/usr/bin/env bash
# Draws the images of the workspace bar and the output window: the page tabs, the tool bars
# and the tree items, each image on magenta, which the controls draw transparent. Tool-bar
# images are a glyph each; tree images are small drawings. Needs ImageMagick and the
# WenQuanYi font; run it after changing the tables and commit the bitmaps it writes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/editor/res/workspace
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One bitmap of glyph images: name, image size, then colour:glyph pairs.
glyphs() {
  local name=$1 size=$2 points=$((${2} - 3))
  shift 2
  local images=() i=0
  for item in "$@"; do
    local colour=${item%%:*} glyph=${item#*:}
    convert -size ${size}x${size} xc:'#ff00ff' +antialias -font "$font" -pointsize $points -fill "$colour" \
      -gravity center -annotate +0+0 "$glyph" "$work/$name-$i.png"
    images+=("$work/$name-$i.png")
    i=$((i + 1))
  done
  convert "${images[@]}" +append -type truecolor BMP3:"$out/$name.bmp"
}

# Page tabs: 目录, (unused), 项目, 词汇.
glyphs Tabs 16 '#1f4fa0:目' '#808080:库' '#207020:项' '#a02020:词'
# Directory page: refresh, copy, move, delete.
glyphs DirectoryBar 16 '#207020:刷' '#1f4fa0:复' '#1f4fa0:移' '#a02020:删'
# Project page: new category, add files, add the current file, add every open file, remove.
glyphs ProjectBar 16 '#a06000:类' '#207020:添' '#207020:当' '#207020:全' '#a02020:除'
# Vocabulary page: the four tables.
glyphs VocabularyBar 16 '#1f4fa0:词' '#207020:图' '#a06000:视' '#a02020:扩'
# The bars' own buttons (12 pixels): synchronise, hide, previous and next output page.
glyphs PaneButtons 12 '#1f4fa0:同' '#a02020:×' '#000000:▲' '#000000:▼'

# Tree items, 16 pixels: the root, a category (a folder), a local file (a page) and a
# remote file (a page with a globe).
tree=(
  "-fill '#00307f' -draw 'roundrectangle 2,2 13,13 2,2' -fill white -draw 'rectangle 5,5 10,10'"
  "-fill '#d8b040' -stroke '#806010' -draw 'rectangle 1,2 6,4' -draw 'rectangle 1,4 14,13'"
  "-fill white -stroke '#404040' -draw 'rectangle 3,1 12,14' -stroke '#808080' -draw 'line 5,5 10,5' -draw 'line 5,8 10,8' -draw 'line 5,11 10,11'"
  "-fill white -stroke '#404040' -draw 'rectangle 3,1 12,14' -fill '#2060c0' -stroke '#103060' -draw 'circle 9,10 9,6'"
)
images=()
for i in "${!tree[@]}"; do
  eval convert -size 16x16 "xc:'#ff00ff'" +antialias "${tree[$i]}" "$work/tree-$i.png"
  images+=("$work/tree-$i.png")
done
convert "${images[@]}" +append -type truecolor BMP3:"$out/TreeItems.bmp"
