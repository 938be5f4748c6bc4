#!/usr/bin/env bash
# Runs every reliability check and writes docs/reliability.md from the
# FIGURE lines they print:
#   scripts/reliability.sh [fuzz-seconds-per-target] [computer-games-per-level] [network-games]
#                          [fuzz-executions-per-target] [killed-saves] [monkey-seconds]
# (defaults 60, 1000, 100, no bound, 100 and 600; a fuzz target stops at its
# seconds or its executions, whichever comes first). Every check runs even when an earlier one
# fails; the document records each command's exit, and the script exits
# non-zero when any failed. Logs are kept in build-soak/reliability/.
set -uo pipefail
cd "$(dirname "$0")/.."
fuzz="${1:-60}" games="${2:-1000}" netgames="${3:-100}" fuzzruns="${4:--1}" kills="${5:-100}"
monkey="${6:-600}"
for n in "$fuzz" "$games" "$netgames" "${fuzzruns#-}" "$kills" "$monkey"; do
  case "$n" in ''|*[!0-9]*|0)
    echo "usage: $0 [fuzz-seconds-per-target] [computer-games-per-level] [network-games]" \
         "[fuzz-executions-per-target] [killed-saves] [monkey-seconds]" >&2; exit 2 ;;
  esac
done
build=build-soak
logs="$build/reliability"
rm -rf "$logs"
mkdir -p "$logs" docs
export QT_QPA_PLATFORM=offscreen

declare -A shown status
failed=0
# step <name> <command as shown> <command...>: runs it, log in $logs/<name>.log.
step() {
  local name=$1 text=$2
  shift 2
  echo "== $text"
  "$@" >"$logs/$name.log" 2>&1
  status[$name]=$?
  shown[$name]=$text
  echo "   exit ${status[$name]}"
  [ "${status[$name]}" -eq 0 ] || failed=1
}
# Port 2004 is fixed: as root, network tests get a loopback of their own.
private_net() {
  if [ "$(id -u)" = 0 ] && unshare -n true 2>/dev/null; then
    unshare -n bash -c 'ip link set lo up && exec "$@"' _ "$@"
  else
    "$@"
  fi
}
build_tests() {
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$build" --target tst_hostilepeer tst_damagedfiles tst_killedsave tst_duel
}

step build "cmake --build $build (Release) --target tst_hostilepeer tst_damagedfiles tst_killedsave tst_duel" build_tests
fuzz_shown="scripts/fuzz.sh $fuzz"
[ "$fuzzruns" = -1 ] || fuzz_shown+=" $fuzzruns"
step fuzz "$fuzz_shown" scripts/fuzz.sh "$fuzz" "$fuzzruns"
export TIDEBOLT_KILLS="$kills"
for t in hostilepeer damagedfiles killedsave duel; do
  shown_env=""
  [ "$t" = killedsave ] && shown_env="TIDEBOLT_KILLS=$kills "
  step "$t" "${shown_env}ctest --test-dir $build -R '^tst_$t\$' -V" private_net ctest --test-dir "$build" -R "^tst_$t\$" -V
done
step soak "scripts/soak.sh $games $netgames" scripts/soak.sh "$games" "$netgames"
step monkey "scripts/monkey.sh $monkey" scripts/monkey.sh "$monkey" "${MONKEY_SEED:-1}" "$build"

# One table row per FIGURE line: check | what it feeds in | how much | what it found.
rows() {
  local name found=0
  for name in "$@"; do
    grep -o 'FIGURE: .*' "$logs/$name.log" | sed 's/^FIGURE: /| /; s/$/ |/' && found=1
  done
  [ "$found" = 1 ] || echo "| (no figure printed) | | | |"
}
table() {
  local title=$1 name
  shift
  printf '\n## %s\n\n| Check | What it feeds in | How much | What it found |\n|---|---|---|---|\n' "$title"
  rows "$@"
  echo
  for name in "$@"; do echo "- \`${shown[$name]}\`: exit ${status[$name]}"; done
}
count_tests() { ctest --test-dir "$build" -N ${1:+-R "$1"} 2>/dev/null | sed -n 's/^Total Tests: //p'; }

# The sanitizer runs of .ci/run, read from the script itself: each line that
# runs tests with a sanitizer, its build folder's sanitizers and the tests
# it selects. They are not run here.
sanitizers() {
  awk '
    /\\$/ { sub(/\\$/, ""); buf = buf $0; next }
    { line = buf $0; buf = "" }
    line ~ /^[ \t]*#/ { next }
    line ~ /^[A-Za-z_]+=\047/ {
      eq = index(line, "="); v = substr(line, eq + 2); sub(/\047.*/, "", v); vars[substr(line, 1, eq - 1)] = v
    }
    match(line, /-B [^ ]+/) && match(line, /TIDEBOLT_SANITIZE=[a-z,]+/) {
      san = substr(line, RSTART + 18, RLENGTH - 18); match(line, /-B [^ ]+/); dirs[substr(line, RSTART + 3, RLENGTH - 3)] = san
    }
    match(line, /SANITIZE=[a-z,]+ scripts\/test\.sh/) {
      san = substr(line, RSTART + 9, RLENGTH - 9 - 16); d = san; gsub(/,/, "-", d); dirs["build-" d] = san
      print san "\t" line "\t"
    }
    line ~ /ctest / && line !~ / -N / && match(line, /--test-dir [^ ]+/) {
      d = substr(line, RSTART + 11, RLENGTH - 11); san = dirs[d]
      if (line ~ /detect_leaks=1/) san = san " + leaks"
      pattern = ""
      if (match(line, /-R ("[^"]*"|\047[^\047]*\047)/)) {
        pattern = substr(line, RSTART + 4, RLENGTH - 5)
        if (pattern ~ /^\$/) pattern = vars[substr(pattern, 2)]
      }
      gsub(/  +/, " ", line); print san "\t" line "\t" pattern
    }' .ci/run |
  while IFS=$'\t' read -r san command pattern; do
    if [ -n "$pattern" ]; then scope="tests matching \`${pattern//|/\\|}\`: $(count_tests "$pattern") tests"
    else scope="the whole suite: $(count_tests) tests"; fi
    echo "| $san | \`${command//|/\\|}\` | $scope | see CI |"
  done
}

commit=$(git rev-parse --short HEAD)
[ -z "$(git --no-optional-locks status --porcelain 2>/dev/null)" ] || commit+=" plus uncommitted changes"
{
  cat <<'INTRO'
# Reliability

Tidebolt must keep working, lose nothing and let nobody in where they do not
belong, whatever reaches it: a hostile or broken peer on port 2004, a damaged
settings file, a malformed cursor file, a program killed while it saves, a
player who clicks and types everywhere, thousands of games in a row. Every
figure below is a line printed by the check itself, gathered by
`scripts/reliability.sh`; none is written by hand.
INTRO
  echo
  echo "Produced on $(date -u '+%Y-%m-%d %H:%M UTC') from commit $commit by \`scripts/reliability.sh $fuzz $games $netgames $fuzzruns $kills $monkey\`."
  table "Fuzzing" fuzz
  table "Hostile peers" hostilepeer
  table "Damaged files and killed saves" damagedfiles killedsave
  printf '\n## Sanitizers\n\nThe configurations of `.ci/run`; they are run by CI, not by this script.\n\n'
  printf '| Check | What it feeds in | How much | What it found |\n|---|---|---|---|\n'
  sanitizers
  table "Soak" soak duel
  table "Random input" monkey
  printf '\n## Commands\n\nRun in this order, each with its exit:\n\n'
  for name in build fuzz hostilepeer damagedfiles killedsave duel soak monkey; do
    echo "- \`${shown[$name]}\`: exit ${status[$name]}"
  done
} >docs/reliability.md
echo "docs/reliability.md written; logs in $logs"
exit "$failed"
