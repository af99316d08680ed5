#!/usr/bin/env bash
# Configures (once) and builds every program, library and test into build/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$repo/build/build.ninja" ]; then
  cmake -S "$repo" -B "$repo/build" -G Ninja
fi
cmake --build "$repo/build"
