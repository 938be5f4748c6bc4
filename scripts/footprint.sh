#!/usr/bin/env bash
# What the game costs a player's machine, beside a bare Qt Widgets window:
#   scripts/footprint.sh [rounds]        (default 5)
# 1. Alternating runs of tidebolt_footprint (bare, floor, game, bare ...) on a
#    display of their own (Xvfb; offscreen without it) with a sound server of
#    their own (PulseAudio, one null sink): time from start to the first
#    window (wall clock, and the processor time the program spent on it),
#    resident memory at rest and after one whole game; medians and
#    the game's ratio to the bare window and to the floor (the least a game
#    of this kind shows: menu bar, board picture, a line of text, one box,
#    one sound), which tells Qt's share from the game's own.
# 2. What a bare Debian 12 downloads to install the package (the .deb in
#    build/) and a bare Qt Widgets program (libqt6widgets6, qt6-qpa-plugins),
#    with and without Recommends: apt is asked with --print-uris against a
#    dpkg status that holds only Debian 12's "required" packages, what a
#    minbase root starts with, using this machine's package lists.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-5}"
case "$rounds" in ''|*[!0-9]*|0) echo "usage: $0 [rounds]" >&2; exit 2 ;; esac
scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tidebolt_footprint tidebolt_data tidebolt >/dev/null
deb=$(ls "$PWD"/build/tidebolt_*.deb 2>/dev/null | head -n 1 || true)
[ -n "$deb" ] && [ "$deb" -nt build/tidebolt ] || (cd build && cpack -G DEB >/dev/null)

scratch=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# The sound server: never the desktop's, and no bus.
mkdir -p "$scratch/runtime" "$scratch/home"
chmod 700 "$scratch/runtime"
env HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus" \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm --use-pid-file=no --log-level=error \
  -L "module-null-sink sink_name=footprint" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$scratch/runtime/native" &
pids+=($!)
for _ in $(seq 100); do [ -S "$scratch/runtime/native" ] && break; sleep 0.05; done
export PULSE_SERVER="unix:$scratch/runtime/native" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
unset XDG_CONFIG_HOME XDG_DATA_HOME

if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
  display=":$((90 + RANDOM % 9))"
  Xvfb "$display" -nolisten tcp -screen 0 1280x1024x24 2>/dev/null &
  pids+=($!)
  export DISPLAY="$display"
  sleep 1
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
where="${QT_QPA_PLATFORM:-X display $DISPLAY}"

# run_one <mode>: "<ms to the first window> <rest kB> <after-game kB> <CPU ms to the first window>"
run_one() {
  local start window="" cpu="" rest="" game="" line
  start=$EPOCHREALTIME
  while IFS= read -r line; do
    case "$line" in
      WINDOW\ *) window=$EPOCHREALTIME; cpu=${line#WINDOW } ;;
      REST\ *) rest=${line#REST } ;;
      GAME\ *) game=${line#GAME } ;;
    esac
  done < <(cd build && exec tools/tidebolt_footprint "$1" 2>>"$scratch/stderr")
  [ -n "$window" ] && [ -n "$rest" ] && [ -n "$game" ] || { echo "FAIL: $1 run said nothing" >&2; cat "$scratch/stderr" >&2; exit 1; }
  awk -v s="$start" -v w="$window" -v r="$rest" -v g="$game" -v c="$cpu" 'BEGIN { printf "%.1f %d %d %d\n", (w - s) * 1000, r, g, c }'
}

echo "Alternating runs, $rounds of each, on $where:"
: >"$scratch/bare"; : >"$scratch/floor"; : >"$scratch/game"
for i in $(seq "$rounds"); do
  for mode in bare floor game; do
    figures=$(run_one $mode)
    echo "$figures" >>"$scratch/$mode"
    echo "  round $i $mode: $figures" | awk '{ printf "  round %s %-5s first window %7.1f ms (CPU %4d ms), at rest %6.1f MiB, after a game %6.1f MiB\n", $2, $3, $4, $7, $5 / 1024, $6 / 1024 }'
  done
done
median() {  # median <file> <column>
  cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
for column in 1 4 2 3; do
  b=$(median "$scratch/bare" $column); f=$(median "$scratch/floor" $column); g=$(median "$scratch/game" $column)
  case $column in
    1) what="first window"; unit=ms; scale=1 ;;
    4) what="CPU time to the first window"; unit=ms; scale=1 ;;
    2) what="memory at rest"; unit=MiB; scale=1024 ;;
    3) what="memory after a whole game"; unit=MiB; scale=1024 ;;
  esac
  awk -v w="$what" -v u="$unit" -v s="$scale" -v b="$b" -v f="$f" -v g="$g" \
    'BEGIN { printf "FIGURE: %s | median of the alternating runs | bare Qt window %.1f %s, floor %.1f %s (%.2fx), game %.1f %s | %.2fx the bare window, %.2fx the floor\n", w, b / s, u, f / s, u, f / b, g / s, u, g / b, g / f }'
done

# A bare Debian 12 as debootstrap's minbase makes it: the "required"
# packages and whatever they depend on, listed installed in a dpkg status of
# our own. apt is only asked what it would fetch; nothing is downloaded.
mkdir -p "$scratch/archives/partial"
: >"$scratch/empty"
fetch() {  # fetch <dpkg status> <recommends true|false> <packages or .deb...>: "<name> <bytes>" lines
  apt-get install --print-uris -qq -o Debug::NoLocking=1 -o Dir::State::status="$1" \
    -o Dir::State::extended_states="$scratch/extended_states" -o Dir::Cache::archives="$scratch/archives" \
    -o APT::Install-Recommends="$2" "${@:3}" 2>"$scratch/apt.err" |
    awk -F"'" '/^.http/ { split($3, f, " "); split(f[1], p, "_"); print p[1], f[2] }' || { cat "$scratch/apt.err" >&2; exit 1; }
}
stanzas() {  # stanzas <names...>: their entries, marked installed
  apt-cache dumpavail | awk -v RS= -v ORS='\n\n' -v names="$*" '
    BEGIN { n = split(names, a, " "); for (i = 1; i <= n; i++) want[a[i]] = 1 }
    { split($0, l, "\n"); name = substr(l[1], 10)
      if ((name in want) && !(name in seen)) { seen[name] = 1; sub(/\n/, "\nStatus: install ok installed\n"); print } }'
}
mapfile -t required < <(apt-cache dumpavail | awk -v RS= '/\nPriority: required\n/ { split($0, l, "\n"); print substr(l[1], 10) }' | sort -u)
mapfile -t minbase < <( (printf '%s\n' "${required[@]}"; fetch "$scratch/empty" false "${required[@]}" | cut -d' ' -f1) | sort -u)
stanzas "${minbase[@]}" >"$scratch/status"
download() {  # download <recommends true|false> <packages or .deb...>
  fetch "$scratch/status" "$@" | awk '{ n++; s += $2 } END { printf "%d packages, %.1f MiB", n, s / 1048576 }'
}
deb=$(ls "$PWD"/build/tidebolt_*.deb | head -n 1)
echo "Download from a bare Debian 12 (minbase: $(grep -c '^Package:' "$scratch/status") packages installed):"
for recommends in false true; do
  label=$([ $recommends = true ] && echo "with Recommends" || echo "Depends only")
  bare=$(download $recommends libqt6widgets6 qt6-qpa-plugins)
  game=$(download $recommends "$deb")
  echo "FIGURE: download, $label | apt-get install --print-uris against minbase | bare Qt Widgets program $bare | the game's package $game"
done
