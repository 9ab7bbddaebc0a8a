#!/usr/bin/env bash
# Installs the Debian packages the build, the game and its tests need, only those missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config librsvg2-dev
  qt6-base-dev qt6-multimedia-dev libpulse-dev libgl-dev libfontconfig-dev libx11-dev libxdamage-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-dejavu-core qt6-translations-l10n
  xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils desktop-file-utils python3
  dpkg-dev file lintian appstream qt6-wayland weston
  qt6-l10n-tools qt6-tools-dev locales tesseract-ocr
  qt6-base-private-dev at-spi2-core python3-pyatspi dbus
  clang-format clang-tidy
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The tests start the game under an English and a Chinese locale.
wanted_locales=(en_US.UTF-8 zh_CN.UTF-8)
for l in "${wanted_locales[@]}"; do
  short="${l%.UTF-8}.utf8"
  if ! locale -a 2>/dev/null | grep -qx "$short"; then
    echo "Generating the locale $l"
    $sudo sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
done
