#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz and runs each on a scratch copy
# of its seed corpus for the given number of seconds (default 60), or until
# it has run the given number of inputs, whichever comes first:
#   scripts/fuzz.sh [seconds-per-target] [executions-per-target]
# As many targets run at once as the machine has cores. Prints one FIGURE
# line per target; exits non-zero when any target crashed. A crashing input
# is kept in build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
budget="${1:-60}"
runs="${2:--1}"
case "$budget$runs" in
  *[!0-9-]*|'') echo "usage: $0 [seconds-per-target] [executions-per-target]" >&2; exit 2 ;;
esac

scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTIDEBOLT_CORE_ONLY=ON -DTIDEBOLT_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_netparse fuzz_profile fuzz_anifile fuzz_avifile fuzz_session fuzz_wavclip

# Set here whatever the caller had: leaks are findings too.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

declare -A feeds=(
  [netparse]="wire streams cut into reads at fuzzed points, checked against one read; our own messages read back"
  [profile]="hand-edited profiles: settings and records loaded, played on, saved, reloaded"
  [anifile]="animated cursor files and icon directories"
  [avifile]="about-box clips: uncompressed and run-length frames, decoded round the loop"
  [wavclip]="sound files: WAVE headers and chunks, the samples handed to the sound server"
  [session]="a partner's messages mixed with the local player's moves, checked against the course of a game"
)

# fuzz <name>: one target, its log in build-fuzz/run/<name>/log.
fuzz() {
  local name=$1 work="build-fuzz/run/$1" artifacts="build-fuzz/artifacts/$1"
  rm -rf "$work" "$artifacts"
  mkdir -p "$work/corpus" "$artifacts"
  cp fuzz/corpus/"$name"/* "$work/corpus/"
  find "$work/corpus" -type f | wc -l >"$work/seeds"
  local args=(-max_total_time="$budget" -runs="$runs" -print_final_stats=1 -timeout=10 -artifact_prefix="$artifacts/")
  [ -f "fuzz/$name.dict" ] && args+=(-dict="fuzz/$name.dict")
  "build-fuzz/fuzz/fuzz_$name" "${args[@]}" "$work/corpus" >"$work/log" 2>&1
  echo $? >"$work/rc"
}

# The slowest first, so that a long run ends soonest.
targets=(avifile profile session netparse anifile wavclip)
echo "== ${targets[*]}: $budget s each${2:+ or $runs executions}, $(nproc) at a time"
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz "$name" &
done
wait

crashed=0
for name in "${targets[@]}"; do
  target="fuzz_$name"
  work="build-fuzz/run/$name"
  artifacts="build-fuzz/artifacts/$name"
  rc=$(cat "$work/rc" 2>/dev/null || echo 1)
  seeds=$(cat "$work/seeds")
  execs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$work/log" | tail -n 1)
  # Without final stats (killed hard), the last progress line still counts.
  [ -n "$execs" ] || execs=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$work/log" | tail -n 1)
  [ -n "$execs" ] || execs=0
  corpus=$(find "$work/corpus" -type f | wc -l)
  crashes=$(find "$artifacts" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  if [ "$rc" -ne 0 ] && [ "$crashes" -eq 0 ]; then
    crashes=1   # died without leaving an input; the log says why
  fi
  if [ "$crashes" -ne 0 ]; then
    crashed=1
    grep -E 'ERROR|invariant|SUMMARY' "$work/log" | head -n 5 >&2 || true
    echo "$target: see $work/log and $artifacts/" >&2
    found="$crashes crash$([ "$crashes" -eq 1 ] || echo es)"
  else
    found="no crash"
  fi
  echo "FIGURE: $target | ${feeds[$name]} | $execs executions | $found, corpus $seeds -> $corpus inputs"
done
exit "$crashed"
