#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything (the game, its tests
# and tools) and runs every test.
# With SANITIZE=address,undefined (or thread) it builds into its own folder
# with those sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
dir=build
args=()
if [ -n "${SANITIZE:-}" ]; then
  dir="build-${SANITIZE//,/-}"
  args+=(-DTIDEBOLT_SANITIZE="$SANITIZE" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1)
fi
cmake -S . -B "$dir" -G Ninja "${args[@]}"
cmake --build "$dir"
cd "$dir"
ctest --output-on-failure -j2 ${CTEST_ARGS:-}
