#!/usr/bin/env bash
# Installs whatever the build, the tests, the package and the game need and
# is missing, from Debian 12's own packages. Safe to run again: it installs
# nothing twice.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libpulse-dev pulseaudio-utils libpng-dev
  fonts-liberation fonts-urw-base35 fonts-wqy-microhei
  libbenchmark-dev
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream groff-base lintian
  avahi-daemon avahi-utils dbus iproute2
)

# The sound test starts a PulseAudio server of its own. Where PipeWire
# already serves the desktop's sound, pulseaudio would replace it: left out.
dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null | grep -q 'install ok installed' ||
  packages+=(pulseaudio)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
# The LAN tests start mDNS and bus daemons of their own, in namespaces of
# their own; installing the packages must not start the machine's.
policy=/usr/sbin/policy-rc.d
own_policy=""
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
  $sudo chmod 755 "$policy"
  own_policy=1
fi
trap '[ -n "$own_policy" ] && $sudo rm -f "$policy"' EXIT
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
