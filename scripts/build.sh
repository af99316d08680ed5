#!/usr/bin/env bash
# Configures and builds every program, library and test into build/, with the toolchain of the
# programs this machine can run (wine-env).
#   scripts/build.sh          the build the tests run in, into build/
#   scripts/build.sh i686     the shipped 32-bit programs and libraries without the tests, into
#                             build-i686/ (for machines whose build/ is the 64-bit one)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = i686 ]; then
  cmake -S "$repo" -B "$repo/build-i686" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake" \
        -DMOYU_TESTS=OFF >/dev/null
  exec cmake --build "$repo/build-i686"
fi
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
