#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run the program.
# Safe to run repeatedly: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev
  libgl-dev libglx-dev libopengl-dev libvulkan-dev
  libqt6opengl6-dev libxkbcommon-dev
  qt6-qpa-plugins libqt6printsupport6 qt6-translations-l10n
  libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
