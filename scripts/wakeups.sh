#!/usr/bin/env bash
# How often the program's threads wake while nothing happens: the sum of
# voluntary_ctxt_switches over /proc/PID/task/*/status, across 10 seconds,
# in four states:
#   the real program after start-up (splash gone, no game),
#   the main window at rest (tidebolt_idle window),
#   a client waiting for its server to open a game (tidebolt_idle waiting),
#   a client in a battle, the partner to shoot and the wait cursor turning
#   (tidebolt_idle battle).
#   scripts/wakeups.sh [seconds]      (default 10)
# Prints one FIGURE line per state. Offscreen, so no display is needed; as
# root it runs in a network namespace of its own, since port 2004 is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
case "$seconds" in ''|*[!0-9]*|0) echo "usage: $0 [seconds]" >&2; exit 2 ;; esac
build=build-wakeups
if [ -z "${TIDEBOLT_WAKEUPS_NETNS:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target tidebolt tidebolt_idle >/dev/null
  if [ "$(id -u)" = 0 ] && unshare -n true 2>/dev/null; then
    export TIDEBOLT_WAKEUPS_NETNS=1
    exec unshare -n bash -c 'ip link set lo up && exec "$@"' _ "$0" "$seconds"
  fi
fi
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

switches() {
  local total=0 n
  for status in /proc/"$1"/task/*/status; do
    n=$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$status" 2>/dev/null || true)
    total=$((total + ${n:-0}))
  done
  echo "$total"
}
threads() { ls /proc/"$1"/task | wc -l; }

# measure <name> <what it is> <settle seconds> <command...>: started from the
# build folder (where Data/ is), with a profile and a home of its own.
measure() {
  local name=$1 what=$2 settle=$3
  shift 3
  (cd "$build" && HOME="$work/$name" XDG_CONFIG_HOME="$work/$name" XDG_RUNTIME_DIR="$work" \
     exec "$@" >"$work/$name.out" 2>/dev/null) &
  local pid=$!
  sleep "$settle"
  local pid_now=$pid
  if ! kill -0 "$pid_now" 2>/dev/null; then
    echo "FIGURE: idle wake-ups | $what | $seconds s | did not start" >&2
    return 1
  fi
  local before after
  before=$(switches "$pid_now")
  sleep "$seconds"
  after=$(switches "$pid_now")
  local count
  count=$(threads "$pid_now")
  kill "$pid_now" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v d=$((after - before)) -v s="$seconds" -v what="$what" -v t="$count" \
    'BEGIN { printf "FIGURE: idle wake-ups | %s | %d s, %d threads | %.1f a second\n", what, s, t, d / s }'
}

mkdir -p "$work"/{program,window,waiting,battle}
measure program "the program after start-up, no game" 5 ./tidebolt
measure window "the main window at rest" 2 tools/tidebolt_idle window --profile "$work/window/Tidebolt.ini"
measure waiting "a client waiting for its server's opening" 2 \
  tools/tidebolt_idle waiting --profile "$work/waiting/Tidebolt.ini"
measure battle "a client in a battle, the partner to shoot (wait cursor turning)" 2 \
  tools/tidebolt_idle battle --profile "$work/battle/Tidebolt.ini"
