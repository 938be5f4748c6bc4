#!/usr/bin/env bash
# The about box's cost to the running game: scripts/aboutfigures.sh [seconds]
# (default 10). Builds tidebolt_aboutfigures in build/, runs it from there
# (where Data/ is) with the main window up, and prints its FIGURE lines:
# memory 3 s after the box has been opened and closed, against before; CPU
# of the whole program per second while the film plays; threads before and
# after. Uses the X display when DISPLAY is set, else Qt's offscreen
# platform. Exits non-zero when a bound is broken.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
case "$seconds" in ''|*[!0-9]*) echo "usage: $0 [seconds-of-film]" >&2; exit 2 ;; esac
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tidebolt_aboutfigures tidebolt_data
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
cd build
exec tools/tidebolt_aboutfigures "$seconds" 2> >(grep -vE 'propagateSizeHints|XDG_RUNTIME_DIR' >&2 || true)
