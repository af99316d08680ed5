#!/usr/bin/env bash
# Configures and builds every program, library and test into build/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
# Configured every time (a second or two): folders that appear later, such as a new
# subsystem's, are only picked up by a fresh configure.
cmake -S "$repo" -B "$repo/build" -G Ninja >/dev/null
cmake --build "$repo/build"
