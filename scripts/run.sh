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
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  export DISPLAY=":$n"
  echo "墨语言编辑器 runs on the private display $DISPLAY (for example: DISPLAY=$DISPLAY import -window root shot.png)."
fi
cd "$demo"
"$repo/scripts/wine-run" "$repo/build/stage/bin/墨语言编辑器.exe" 示例.墨 "$@"
