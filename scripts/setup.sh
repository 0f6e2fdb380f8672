#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Warehaus4 need.
# Quick when everything is present: it only calls apt-get when a package is missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-tools-dev qt6-l10n-tools
  libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont
  libturbojpeg0-dev libjpeg62-turbo-dev
  xvfb xauth xdotool imagemagick sox
  shared-mime-info desktop-file-utils
  fonts-dejavu-core fonts-noto-cjk
  dpkg-dev appstream file
  time
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
