#!/usr/bin/env bash
# Find in files next to native grep over the same generated tree of 2,000 GBK sources (50 MB),
# with each tool's output lines written.
#   tests/editor/shell/bench/find-in-files-bench.sh [tree folder]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../../../.." && pwd)
bench=$repo/build/tests/editor/shell/shell_find_in_files_bench.exe
tree=${1:-/tmp/moyu-find-in-files-tree}
wine_tree="Z:${tree//\//\\}"

if [ ! -d "$tree" ]; then
  "$repo/scripts/wine-run" "$bench" make "$wine_tree"
fi
echo "tree: $(find "$tree" -type f | wc -l) files, $(du -sm "$tree" | cut -f1) MB"
# Warm the page cache so both tools read from memory.
cat "$(find "$tree" -type f | head -1)" >/dev/null; find "$tree" -type f -exec cat {} + >/dev/null

word=$(printf '调试标记' | iconv -f UTF-8 -t GBK)
regex=$(printf '计数器[0-9]+ 加' | iconv -f UTF-8 -t GBK)
# The best of three runs: the machine is shared.
timed() {
  local start end best=
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    "$@" >/dev/null || true
    end=$(date +%s.%N)
    best=$(echo "$end - $start" | bc | awk -v b="$best" '{ print (b == "" || $1 < b) ? $1 : b }')
  done
  printf '%.3f s' "$best"
}
echo "grep plain      $(LC_ALL=C timed grep -rnF --include='*.墨' "$word" "$tree")"
echo "grep whole word $(LC_ALL=C timed grep -rnwF --include='*.墨' "$word" "$tree")"
echo "grep regex      $(LC_ALL=C timed grep -rnE --include='*.墨' "$regex" "$tree")"
"$repo/scripts/wine-run" "$bench" search "$wine_tree"
