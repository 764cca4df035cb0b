#!/usr/bin/env bash
# Installs the Debian packages TSL-Q2/Q3 builds, tests and runs with.
# Only what is missing is installed; apt-get runs as root, through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config python3
  qt6-base-dev qt6-serialport-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-ipafont-mincho
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick cups printer-driver-cups-pdf poppler-utils
  at-spi2-core python3-pyatspi dbus
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

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
else
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
