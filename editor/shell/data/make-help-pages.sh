#!/usr/bin/env bash
# Writes the help pages into the installation's 帮助 folder: the masters as they are, and
# the tutorial with the keyword groups of the language's keyword file (GBK) in place of its
# <!--关键词--> marker.
# make-help-pages.sh masters-folder keyword-file output-folder
set -euo pipefail
masters=$1 keywords=$2 out=$3
mkdir -p "$out"
for page in "$masters"/*.html; do
  name=$(basename "$page")
  if [ "$name" != 教程.html ]; then
    cp "$page" "$out/$name"
    continue
  fi
  table=$(iconv -f GBK -t UTF-8 "$keywords" | tr -d '\r' | awk '
    BEGIN { split("语句 类型和修饰 运算 预处理 常量和特殊名称", title, " ") }
    /^\[关键词[0-9]+:\]/ {
      if (open) print "</p>"
      n = $0; gsub(/[^0-9]/, "", n)
      print "<h3>" (title[n + 1] != "" ? title[n + 1] : "第 " n " 组") "</h3><p>"; open = 1; next }
    /^#/ || /^[[:space:]]*$/ { next }
    open { gsub(/&/, "\\&amp;"); gsub(/</, "\\&lt;"); gsub(/>/, "\\&gt;"); print }
    END { if (open) print "</p>" }')
  awk -v table="$table" '{ if ($0 == "<!--关键词-->") print table; else print }' "$page" > "$out/$name"
done
