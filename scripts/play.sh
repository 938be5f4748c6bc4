#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tidebolt and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
cd build && exec ./tidebolt
