#!/usr/bin/env bash
# Sets the machine up, builds everything and runs the main program. Until the IDE exists,
# that is 墨转换 converting a small Moyu program to C; the result is shown in UTF-8.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/setup.sh"
"$repo/scripts/build.sh"

demo="$repo/build/demo"
mkdir -p "$demo"
iconv -f UTF-8 -t GBK "$repo/tests/tools/converter/golden/to_c/program.in" >"$demo/示例.墨"
cd "$demo"
"$repo/scripts/wine-run" "$repo/build/stage/命令/墨转换.exe" -安静 示例.墨 | iconv -f GBK -t UTF-8
iconv -f GBK -t UTF-8 示例.c
