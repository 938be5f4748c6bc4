#!/usr/bin/env bash
# The random-input hunt: scripts/monkey.sh [seconds] [seed] [build-folder]
# (defaults 180, a fresh seed from the clock, build). Builds tidebolt_monkey
# there and lets it play against the computer on the real main window,
# offscreen, for that long. Prints the seed first and a FIGURE line at the
# end; on a broken rule exits non-zero with the seed, the last inputs and the
# log to replay (tidebolt_monkey --replay <log>), kept in <build>/monkey/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-180}" seed="${2:-$(( $(date +%s%N) / 1000 % 1000000007 ))}" build="${3:-build}"
for n in "$seconds" "$seed"; do
  case "$n" in ''|*[!0-9]*) echo "usage: $0 [seconds] [seed] [build-folder]" >&2; exit 2 ;; esac
done
export QT_QPA_PLATFORM=offscreen
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tidebolt_monkey
mkdir -p "$build/monkey"
echo "monkey: seed $seed, $seconds s"
# Qt's offscreen platform notes, repeated with every dialog, are left out.
"$build/tools/tidebolt_monkey" --seed "$seed" --seconds "$seconds" --log "$build/monkey/monkey-$seed.log" \
  2> >(grep -vE 'propagateSizeHints|XDG_RUNTIME_DIR' >&2 || true)
