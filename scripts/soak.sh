#!/usr/bin/env bash
# The long soak: scripts/soak.sh [computer-games-per-level] [network-games]
# (defaults 3000 and 300). Builds tidebolt_soak and tidebolt_duel (Release)
# into build-soak, plays the games against the computer at every level on the
# real main window, then the network games between a tidebolt_duel server and
# client over 127.0.0.1 while sampling both processes' memory. Prints FIGURE
# lines; exits non-zero on any inconsistency or growth beyond the bound.
set -euo pipefail
cd "$(dirname "$0")/.."
games="${1:-3000}"
netgames="${2:-300}"
for n in "$games" "$netgames"; do
  case "$n" in ''|*[!0-9]*|0) echo "usage: $0 [computer-games-per-level] [network-games]" >&2; exit 2 ;; esac
done
build=build-soak
export QT_QPA_PLATFORM=offscreen
# Qt's offscreen platform notes, repeated with every dialog, are left out.
quiet() { grep -vE 'propagateSizeHints|XDG_RUNTIME_DIR' >&2 || true; }

if [ -z "${TIDEBOLT_SOAK_NETNS:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target tidebolt_soak tidebolt_duel
  "$build/tools/tidebolt_soak" --games "$games" --seed "${SOAK_SEED:-1}" 2> >(quiet)
  # Port 2004 is fixed: as root the duel gets a loopback of its own, so
  # that no one else's network test on this machine can meet it.
  if [ "$(id -u)" = 0 ] && unshare -n true 2>/dev/null; then
    export TIDEBOLT_SOAK_NETNS=1
    exec unshare -n bash -c 'ip link set lo up && exec "$@"' _ "$0" "$games" "$netgames"
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
limit=$((120 + netgames * 15))   # seconds; a network game takes about five
duel() {   # run in the background: exec keeps $! the program's own id
  exec "$build/tools/tidebolt_duel" "--$1" --games "$netgames" --seed "$2" --profile "$work/$1.ini" \
    --timeout "$limit" >"$work/$1.out" 2> >(quiet)
}
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true; }
played() { grep -c '^GAME' "$work/server.out" || true; }

began=$(date +%s%N)
duel server 11 & server=$!
duel client 22 & client=$!
# Memory: first sampled once a tenth of the games are played (the windows,
# pictures and sockets are all in use by then), last before the results.
warmup=$(( netgames / 10 > 0 ? netgames / 10 : 1 ))
warm_s='' warm_c='' last_s='' last_c=''
while kill -0 "$server" 2>/dev/null || kill -0 "$client" 2>/dev/null; do
  s=$(rss "$server") c=$(rss "$client")
  if [ -z "$warm_s" ] && [ "$(played)" -ge "$warmup" ]; then warm_s=$s warm_c=$c; fi
  grep -q '^RESULT' "$work/server.out" || { [ -n "$s" ] && last_s=$s; }
  grep -q '^RESULT' "$work/client.out" || { [ -n "$c" ] && last_c=$c; }
  sleep 0.5
done
src=0 crc=0
wait "$server" || src=$?
wait "$client" || crc=$?
seconds=$(( ($(date +%s%N) - began) / 1000000000 ))

problems=''
problem() { echo "soak: $*" >&2; problems+="${problems:+; }$*"; }
[ "$src" -eq 0 ] || problem "the server exited with $src"
[ "$crc" -eq 0 ] || problem "the client exited with $crc"
result() { sed -n 's/^RESULT games=\([0-9]*\) wins=\([0-9]*\) losses=\([0-9]*\)$/\1 \2 \3/p' "$work/$1.out"; }
read -r sg sw sl <<<"$(result server)" || true
read -r cg cw cl <<<"$(result client)" || true
[ "${sg:-}" = "$netgames" ] && [ "${cg:-}" = "$netgames" ] || problem "games played: server ${sg:-?}, client ${cg:-?}"
[ "${sw:-x}" = "${cl:-y}" ] && [ "${sl:-x}" = "${cw:-y}" ] || problem "wins and losses do not mirror"
records() { grep '^RECORD' "$work/$1.out" || true; }
table() { sed -n '/^\[Records\]/,/^\[/{/^\[/!p}' "$work/$1.ini" 2>/dev/null | sort; }
[ -n "$(records server)" ] && [ "$(records server)" = "$(records client)" ] || problem "the record tables differ"
[ -n "$(table server)" ] && [ "$(table server)" = "$(table client)" ] || problem "the saved record tables differ"
shots=$(cat "$work/server.out" "$work/client.out" | sed -n 's/^GAME .* shots=\([0-9]*\)$/\1/p' | awk '{ t += $1 } END { print t + 0 }')
echo "FIGURE: network duel soak | two tidebolt_duel processes over 127.0.0.1, random shots on the real windows" \
     "| $netgames games, $shots shots in $seconds s | server ${sw:-?} won / ${sl:-?} lost, client ${cw:-?} / ${cl:-?};" \
     "${problems:-both exited 0, results mirror, record tables equal on screen and on disk}"

# Growth allowed per process from the warm-up sample to the last.
bound_kb=4096
mb() { awk -v k="${1:-0}" -v f="${2:-%.1f}" 'BEGIN { printf f, k / 1024 }'; }
if [ -n "$warm_s" ] && [ -n "$warm_c" ] && [ -n "$last_s" ] && [ -n "$last_c" ]; then
  gs=$((last_s - warm_s)) gc=$((last_c - warm_c))
  over=''
  [ "$gs" -le "$bound_kb" ] && [ "$gc" -le "$bound_kb" ] || over='; GREW BEYOND THE BOUND'
  echo "FIGURE: network duel memory | VmRSS of both processes every 0.5 s, after $warmup games and at the last" \
       "| $netgames games | server $(mb "$warm_s") -> $(mb "$last_s") MB ($(mb "$gs" %+.1f)), client" \
       "$(mb "$warm_c") -> $(mb "$last_c") MB ($(mb "$gc" %+.1f)); bound +$(mb $bound_kb) MB each$over"
  [ -z "$over" ] || problem "memory grew by $gs and $gc kB"
else
  problem "memory was not sampled (the duel ended too early)"
fi
[ -z "$problems" ]
