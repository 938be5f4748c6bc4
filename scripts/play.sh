#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the game alone (the program and
# its data; the tests and tools are scripts/test.sh's) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tidebolt
exec build/tidebolt
