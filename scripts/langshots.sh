#!/usr/bin/env bash
# Renders every window in every language, at 9 and 12 pt, into
# build/langshots/<points>pt/<language>/ for proof-reading the translations.
# The pictures are for review only and are not committed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tidebolt_langshots
for points in 9 12; do
  build/tools/tidebolt_langshots "build/langshots/${points}pt" "$points"
done
echo "Pictures in build/langshots/"
