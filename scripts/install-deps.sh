#!/usr/bin/env bash
# Installs the Debian packages TSL-Q2/Q3 builds, tests and runs with.
# Only what is missing is installed; apt-get runs as root, through sudo otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config python3
  qt6-base-dev qt6-serialport-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-ipafont-mincho fonts-ipafont-gothic
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

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
else
  SUDO=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the translation tests run the programs under.
locales_missing=()
for l in ja_JP de_DE; do
  locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || locales_missing+=("$l")
done
if [ ${#locales_missing[@]} -gt 0 ] && [ -f /etc/locale.gen ]; then
  echo "Generating locales: ${locales_missing[*]}"
  for l in "${locales_missing[@]}"; do
    "${SUDO[@]}" sed -i "s/^# *\($l\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | "${SUDO[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${SUDO[@]}" locale-gen >/dev/null
fi
