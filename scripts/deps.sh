#!/usr/bin/env bash
# Installs whatever the build, the tests, the package and the game need and
# is missing, from Debian 12's own packages. Safe to run again: it installs
# nothing twice.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev qt6-qpa-plugins
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation fonts-urw-base35 fonts-wqy-microhei
  libbenchmark-dev
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream groff-base
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
