#!/usr/bin/env bash
# The random-input hunt: scripts/monkey.sh [seconds] [seed] [build-folder]
# (defaults 180, a fresh seed from the clock, build). Builds tidebolt_monkey
# there and lets it play on the real main window, offscreen: the first half
# of the time against the computer, the second half against a scripted
# network partner in a network namespace of its own (skipped, and said so,
# where no namespace can be made). Prints the seed first and a FIGURE line
# per half; on a broken rule exits non-zero with the seed, the last inputs
# and the log to replay (tidebolt_monkey [--network] --replay <log>), kept
# in <build>/monkey/.
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
half=$(( seconds / 2 ))
# Qt's offscreen platform notes, repeated with every dialog, and the LAN's
# note that there is no system bus in the namespace, are left out.
quiet() { grep -vE 'propagateSizeHints|XDG_RUNTIME_DIR|tidebolt.lan' >&2 || true; }
echo "monkey: seed $seed, $half s against the computer"
"$build/tools/tidebolt_monkey" --seed "$seed" --seconds "$half" --log "$build/monkey/monkey-$seed.log" 2> >(quiet)
if ! unshare -n true 2>/dev/null && ! unshare -rn true 2>/dev/null; then
  echo "monkey: no network namespace can be made here; the network half is skipped"
  exit 0
fi
echo "monkey: seed $seed, $(( seconds - half )) s against a network partner"
"$build/tools/tidebolt_monkey" --network --seed "$seed" --seconds "$(( seconds - half ))" \
  --log "$build/monkey/monkey-net-$seed.log" 2> >(quiet)
