#!/usr/bin/env bash
# Writes a binary user-tool file (version line, then 16 records) from its UTF-8 master.
#   make-tool-file.sh master output
set -euo pipefail
master=$1
output=$2

u16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"; }
u32() { u16 $(($1 & 65535)); u16 $((($1 >> 16) & 65535)); }
gbk() { printf %s "$1" | iconv -f UTF-8 -t GBK; }
string() { u32 "$(gbk "$1" | wc -c)"; gbk "$1"; }
record() {  # key modifiers name command arguments folder and the five options
  u16 "$1"; u16 "$2"; string "$3"; string "$4"; string "$5"; string "$6"
  u32 "$7"; u32 "$8"; u32 "$9"; u32 "${10}"; u32 "${11}"
}

declare -A slots
while IFS= read -r line; do
  case $line in '#'* | '') continue ;; esac
  slots[${line%%|*}]=${line#*|}
done <"$master"

{
  gbk "用户命令 1.0"
  for slot in $(seq 0 15); do
    if [ -n "${slots[$slot]:-}" ]; then
      IFS='|' read -r key modifiers name command arguments folder close short capture save hide <<<"${slots[$slot]}"
      record "$key" "$modifiers" "$name" "$command" "$arguments" "$folder" "$close" "$short" "$capture" "$save" "$hide"
    else
      record 0 0 "" "" "" "" 1 0 0 1 0
    fi
  done
} >"$output.part"
mv "$output.part" "$output"
