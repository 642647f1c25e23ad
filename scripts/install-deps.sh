#!/usr/bin/env bash
# Installs what building, running and testing need on Debian or Ubuntu; does nothing when all is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-svg-dev libqt6svg6 libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang
  xvfb xauth poppler-utils fonts-dejavu-core
  # The program run on a virtual display and driven by keyboard (tests/gui/app/RecoveryProcessTest.cpp).
  xdotool
  # Desktop integration and the Debian package (scripts/check-packaging.sh).
  desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev
  # The core built for Windows and tested under Wine (scripts/check-windows-core.sh).
  g++-mingw-w64-x86-64-posix googletest wine64
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
