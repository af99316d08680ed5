#!/usr/bin/env bash
# Opens a generated GBK Moyu source in the IDE, in geany (native) and in Wine's notepad, the
# three back to back for each size and each round, on a private display. For each program it
# prints the median over the rounds of the time from its start until its window shows the
# file and the program has gone idle (its first painted screen), and of its peak resident
# memory as a multiple of the file's size. Programs that are missing are skipped.
# A size below 1 MB times start-up on a small file.
#   open-bench.sh [megabytes ...]        (0.001 5 50; ROUNDS=3; NOTEPAD=0 skips notepad,
#                                         NOTEPAD_MAX_MB=n skips it above n MB, where it may
#                                         not paint within the 5 minutes allowed)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../../../.." && pwd)
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(0.001 5 50)
rounds=${ROUNDS:-3}
stage="$repo/build/stage/bin"
[ -f "$stage/墨语言编辑器.exe" ] || { echo "build the IDE first: $stage not found" >&2; exit 1; }

work=$(mktemp -d)
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
export DISPLAY=":$n"

# shellcheck source=../../../../scripts/wine-env
. "$repo/scripts/wine-env"
"$repo/scripts/wine-run" --init
moyu_wine_env "$repo"
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES=mscoree,mshtml=
wineserver -p 2>/dev/null || true  # one server for all runs (kept when one is up already)

# The IDE's program folder, a fresh copy: it writes its settings there. Its settings files
# are written first, as a user's installation has them, so no first-start notice waits.
cp -r "$stage" "$work/ide"
wine "$repo/build/tests/editor/app/ide/ide_bench.exe" settings "Z:${work//\//\\}\\ide" >/dev/null 2>&1 ||
  { echo "cannot write the IDE's settings files" >&2; exit 1; }
# geany reads GBK only when told; a private configuration folder keeps its session out.
mkdir -p "$work/geany"
printf '[geany]\npref_editor_default_open_encoding=GBK\n' >"$work/geany/geany.conf"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo gone; }

# Starts a program (the rest of the arguments) and waits until a visible window whose name
# holds the pattern exists and the program has used no processor time for 0.5 s. Prints the
# seconds from the start until its last busy moment and its peak resident kilobytes; the
# program is ended afterwards.
measure() {
  local pattern=$1
  shift
  local start pid last_change now before after hwm
  start=$(date +%s.%N)
  setsid "$@" >/dev/null 2>&1 &
  pid=$!
  # A program that shows no such window within 5 minutes (a question it asks, a file it
  # cannot open) gives no figures.
  local deadline=$(($(date +%s) + 300))
  while ! xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$(date +%s)" -gt "$deadline" ]; then
      kill -- -"$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo "- -"
      return
    fi
    sleep 0.02
  done
  before=$(ticks "$pid")
  last_change=$(date +%s.%N)
  for _ in $(seq 6000); do
    sleep 0.05
    after=$(ticks "$pid")
    now=$(date +%s.%N)
    if [ "$after" != "$before" ]; then
      before=$after
      last_change=$now
    elif [ "$(echo "$now - $last_change > 0.5" | bc)" = 1 ]; then
      break
    fi
  done
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill -- -"$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  printf '%.2f %s\n' "$(echo "$last_change - $start" | bc)" "$hwm"
}

median() { sort -g | awk '{a[NR] = $1} END {if (NR == 0) print "-"; else print a[int((NR + 1) / 2)]}'; }

printf '%-14s %6s %10s %12s\n' program MB seconds "peak/file"
for mb in "${sizes[@]}"; do
  file="$work/大文件$mb.墨"
  python3 "$repo/tools/converter/bench/gen_large_source.py" "$file" "$mb" >/dev/null
  bytes=$(stat -c %s "$file")
  declare -A times=() peaks=()
  for _ in $(seq "$rounds"); do
    read -r t k < <(cd "$work/ide" && measure "大文件$mb" wine ./墨语言编辑器.exe "Z:${file//\//\\}")
    times[ours]+="$t "; peaks[ours]+="$k "
    if command -v geany >/dev/null; then
      read -r t k < <(measure "大文件$mb" geany -i -n -c "$work/geany" "$file")
      times[geany]+="$t "; peaks[geany]+="$k "
    fi
    if [ "${NOTEPAD:-1}" != 0 ] && [ "$(echo "$mb <= ${NOTEPAD_MAX_MB:-100000}" | bc)" = 1 ]; then
      read -r t k < <(measure "大文件$mb" wine notepad.exe "Z:${file//\//\\}")
      times[notepad]+="$t "; peaks[notepad]+="$k "
    fi
  done
  for program in ours geany notepad; do
    [ -n "${times[$program]:-}" ] || continue
    t=$(echo "${times[$program]}" | tr ' ' '\n' | grep -v '^-\?$' | median)
    k=$(echo "${peaks[$program]}" | tr ' ' '\n' | grep -v '^-\?$' | median)
    ratio=-
    [ "$k" = - ] || ratio=$(echo "scale=1; $k * 1024 / $bytes" | bc)
    printf '%-14s %6s %10s %12s\n' "$program" "$mb" "$t" "$ratio"
  done
  unset times peaks
done
