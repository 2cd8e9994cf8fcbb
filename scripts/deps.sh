#!/usr/bin/env bash
# Installs what the project needs to build, test and run. Idempotent and quiet
# when everything is already there.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev
  libjpeg62-turbo-dev libmpv-dev libarchive-dev libitl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  ffmpeg xvfb xauth x11-utils xdotool xclip imagemagick sox poppler-utils xorriso
  at-spi2-core python3-pyatspi dbus-x11
  fonts-hosny-amiri fonts-kacst fonts-noto-core fonts-dejavu-core
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
