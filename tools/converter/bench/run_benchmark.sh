#!/usr/bin/env bash
# Times 墨转换 under Wine on a generated Moyu source (Moyu to C) and on its C output (C to
# Moyu), next to iconv converting the same bytes from GBK to UTF-8, in one run. Each figure
# is the best of a few runs: the wall time of the whole program, its start included.
#   run_benchmark.sh [build dir] [megabytes] [runs]      (build/, 20, 3)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
megabytes=${2:-20}
runs=${3:-3}
exe="$build/stage/命令/墨转换.exe"
[ -f "$exe" ] || { echo "build 墨转换 first: $exe not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/gen_large_source.py" "$work/large.墨" "$megabytes" >/dev/null
cd "$work"
# Wine as scripts/wine-run sets it up for this machine's build (32-bit Wine where 32-bit
# code runs, else 64-bit), called directly: a console program needs no display, and
# wine-run would start one for every run. One start before the timed runs; Wine's server
# stays up while they follow each other.
"$repo/scripts/wine-run" --init
# shellcheck source=../../../scripts/wine-env
. "$repo/scripts/wine-env"
moyu_wine_env "$repo"
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES=mscoree,mshtml=
wine "$exe" -安静 -取输出文件名 large.墨 x >/dev/null 2>&1

# Best wall time in seconds of a command over the runs.
best_time() {
  local best="" start end took
  for _ in $(seq "$runs"); do
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    took=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
  done
  echo "$best"
}

report() {  # label, bytes, seconds
  printf '%-12s %9d bytes  %6.3f s  %7.1f MB/s\n' "$1" "$2" "$3" "$(echo "$2 / 1048576 / $3" | bc -l)"
}

moyu_size=$(stat -c %s large.墨)
iconv_s=$(best_time iconv -f GBK -t UTF-8 large.墨 -o large.utf8)
to_c_s=$(best_time wine "$exe" -安静 large.墨 large.c)
[ -s large.c ] || { echo "Moyu to C wrote no output" >&2; exit 1; }
c_size=$(stat -c %s large.c)
from_c_s=$(best_time wine "$exe" -安静 large.c large2.墨)
[ -s large2.墨 ] || { echo "C to Moyu wrote no output" >&2; exit 1; }

report "iconv" "$moyu_size" "$iconv_s"
report "Moyu to C" "$moyu_size" "$to_c_s"
report "C to Moyu" "$c_size" "$from_c_s"
