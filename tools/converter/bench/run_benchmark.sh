#!/usr/bin/env bash
# Times 墨转换 on a generated 20 MB Moyu source (Moyu to C) and on its C output (C to
# Moyu), under Wine, from the command line. Usage: run_benchmark.sh [build dir] [megabytes]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../../.." && pwd)
build=${1:-$repo/build-conv}
megabytes=${2:-20}
exe="$build/stage/命令/墨转换.exe"
[ -f "$exe" ] || { echo "build 墨转换 first: $exe not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/gen_large_source.py" "$work/large.墨" "$megabytes"
cd "$work"
"$repo/scripts/wine-run" "$exe" -安静 -c /? >/dev/null 2>&1 || true   # start Wine once

time_run() {
  local start end
  start=$(date +%s.%N)
  "$repo/scripts/wine-run" "$exe" "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

to_c=$(time_run -安静 large.墨)
from_c=$(time_run -安静 large.c large2.墨)
size=$(stat -c %s large.墨)
printf 'input %d bytes\nMoyu to C: %.2f s (%.1f MB/s)\nC to Moyu: %.2f s\n' \
  "$size" "$to_c" "$(echo "$size / 1048576 / $to_c" | bc -l)" "$from_c"
