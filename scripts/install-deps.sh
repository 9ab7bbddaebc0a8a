#!/usr/bin/env bash
# Installs the Debian packages the build, the game and its tests need, only those missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libpulse-dev libgl-dev libfontconfig-dev libx11-dev libxdamage-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-color-emoji fonts-noto-cjk fonts-dejavu-core qt6-translations-l10n
  xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils desktop-file-utils python3
  dpkg-dev file lintian appstream qt6-wayland weston
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
