#!/usr/bin/env bash
# Sets the machine up, builds everything and starts the IDE 墨语言编辑器 under Wine (on a
# private Xvfb when there is no display) with a sample Moyu program open.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/setup.sh"
"$repo/scripts/build.sh"

demo="$repo/build/demo"
mkdir -p "$demo"
iconv -f UTF-8 -t GBK "$repo/tests/tools/converter/golden/to_c/program.in" >"$demo/示例.墨"
if [ -z "${DISPLAY:-}" ]; then
  # shellcheck source=wine-env
  . "$repo/scripts/wine-env"
  moyu_start_display "$demo"
  trap 'kill $moyu_xvfb_pid 2>/dev/null || true' EXIT
  echo "墨语言编辑器 runs on the private display $DISPLAY (for example: DISPLAY=$DISPLAY import -window root shot.png)."
fi
cd "$demo"
"$repo/scripts/wine-run" "$repo/build/stage/bin/墨语言编辑器.exe" 示例.墨 "$@"
