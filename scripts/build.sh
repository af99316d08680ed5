#!/usr/bin/env bash
# Configures and builds every program, library and test into build/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
# Configured every time (a second or two): folders that appear later, such as a new
# subsystem's, are only picked up by a fresh configure.
# shellcheck source=wine-env
. "$repo/scripts/wine-env"
toolchain=$(moyu_toolchain "$repo")
# A build folder configured for the other toolchain starts over.
if [ -f "$repo/build/CMakeCache.txt" ] &&
   [ "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$repo/build/CMakeCache.txt")" != "$toolchain" ]; then
  rm -rf "$repo/build/CMakeCache.txt" "$repo/build/CMakeFiles"
fi
cmake -S "$repo" -B "$repo/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
cmake --build "$repo/build"
