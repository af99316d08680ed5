#!/usr/bin/env bash
# Configures (once) and builds the native sanitizer build of the window-free cores, their
# unit tests and fuzz targets into build/native with clang.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$repo/build/native/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$repo/native" -B "$repo/build/native" -G Ninja >/dev/null
fi
cmake --build "$repo/build/native"
