#!/usr/bin/env bash
# Machines of a small LAN for the tests, each a network namespace of its own
# with its own system bus and its own mDNS daemon, all joined by one bridge.
# Run it only inside a network and mount namespace made for the test
# (unshare -n -m): whatever it builds vanishes with that namespace, and
# nothing reaches this machine's own network, bus or daemons.
#
#   lanmachines.sh up DIR NAME...     build the machines, start their daemons
#   lanmachines.sh run DIR NAME CMD...  run CMD on machine NAME
#   lanmachines.sh link DIR NAME up|down  plug or pull NAME's cable
#   lanmachines.sh down DIR           stop every daemon the machines run
#
# Machine i (from 1) gets the address 192.0.2.i/24, a documentation range
# that no real network uses.
set -euo pipefail

cmd=${1:?command}
dir=${2:?folder}

machine_dir() { echo "$dir/machines/$1"; }

bus_config() {
  local m=$1
  cat <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$(machine_dir "$m")/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
}

avahi_config() {
  local m=$1
  cat <<CONF
[server]
host-name=$m
domain-name=local
use-ipv4=yes
use-ipv6=no
allow-interfaces=eth0
enable-dbus=yes
ratelimit-interval-usec=1000000
ratelimit-burst=1000
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
publish-aaaa-on-ipv4=no
[reflector]
[rlimits]
CONF
}

# The bus is a socket file, which no namespace separates: the machine's
# own variable is what puts a program on its bus.
run_on() {
  local m=$1
  shift
  env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$(machine_dir "$m")/system_bus_socket" \
    ip netns exec "tb-$m" "$@"
}

wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

up() {
  ip link set lo up
  ip link add tb-lan type bridge
  ip link set tb-lan up
  local i=0
  for m in "$@"; do
    i=$((i + 1))
    local md
    md=$(machine_dir "$m")
    mkdir -p "$md"
    ip netns add "tb-$m"
    ip link add "tb-$m" type veth peer name eth0 netns "tb-$m"
    ip link set "tb-$m" master tb-lan up
    ip netns exec "tb-$m" ip link set lo up
    ip netns exec "tb-$m" ip addr add "192.0.2.$i/24" dev eth0
    ip netns exec "tb-$m" ip link set eth0 up
    bus_config "$m" >"$md/bus.conf"
    avahi_config "$m" >"$md/avahi.conf"
    ip netns exec "tb-$m" dbus-daemon --config-file="$md/bus.conf" --nofork --nopidfile \
      >"$md/bus.log" 2>&1 &
    echo $! >>"$dir/pids"
    wait_for 50 test -S "$md/system_bus_socket" || { echo "no bus on $m" >&2; return 1; }
    # A daemon of its own needs a /run/avahi-daemon of its own for its pid
    # file and socket: a mount namespace per daemon.
    run_on "$m" unshare -m --propagation private sh -c \
      'mount -t tmpfs tmpfs /run/avahi-daemon && exec avahi-daemon --no-drop-root --no-chroot --no-rlimits -f "$1"' \
      sh "$md/avahi.conf" >"$md/avahi.log" 2>&1 &
    echo $! >>"$dir/pids"
  done
  # A test that dies leaves no daemon behind: they go with it.
  local owner=$PPID
  (while kill -0 "$owner" 2>/dev/null; do sleep 1; done; down) </dev/null >/dev/null 2>&1 &
  for m in "$@"; do
    wait_for 100 grep -q 'Server startup complete' "$(machine_dir "$m")/avahi.log" ||
      { echo "no mDNS daemon on $m:" >&2; cat "$(machine_dir "$m")/avahi.log" >&2; return 1; }
  done
}

down() {
  [ -f "$dir/pids" ] || return 0
  while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$dir/pids"
  while read -r pid; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done <"$dir/pids"
  rm -f "$dir/pids"
}

case $cmd in
  up) shift 2; up "$@" ;;
  # The caller's process becomes the program, so it can stop it by its id.
  run) shift 2; m=$1; shift; exec env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$(machine_dir "$m")/system_bus_socket" \
    ip netns exec "tb-$m" "$@" ;;
  link) ip link set "tb-$3" "$4" ;;
  down) down ;;
  *) echo "unknown command $cmd" >&2; exit 2 ;;
esac
