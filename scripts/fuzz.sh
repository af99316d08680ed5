#!/usr/bin/env bash
# A longer fuzz run of the native targets: each runs for the given time, a few at once, and
# keeps what it finds in build/native/fuzz-work/<target>/ (its grown corpus, and crash-*,
# leak-*, timeout-* or oom-* files for any finding; an input running 30 s counts as hung).
# Prints each target's executions.
#   scripts/fuzz.sh [-t seconds (600)] [-j targets at once (3)] [target…]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=600 jobs=3
while getopts t:j: option; do
  case $option in
    t) seconds=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
"$repo/scripts/native-build.sh"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$repo"/native/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

run() {
  local target=$1 work="$repo/build/native/fuzz-work/$1"
  mkdir -p "$work/corpus"
  if "$repo/build/native/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$repo/native/corpus/$target" \
       >"$work/long-run.log" 2>&1; then
    status=clean
  else
    status="FINDING (see $work/long-run.log)"
  fi
  printf '%-18s %12s executions, %6s corpus inputs: %s\n' "$target" \
    "$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/long-run.log")" \
    "$(ls "$work/corpus" | wc -l)" "$status"
}

running=0
for target in "${targets[@]}"; do
  run "$target" &
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait
