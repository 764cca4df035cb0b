#!/usr/bin/env bash
# Takes the screenshots of the main window shown in the README (doc/*.png):
# the program under Xvfb for market K (U.S.A./Canada) and market J (Japan),
# each on a scratch profile, scrolled to the information channels.
# Usage: scripts/screenshots.sh [build-dir]   (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$(pwd)/$build/src/tslq"
display=":$((50 + RANDOM % 40))"
scratch="$(mktemp -d)"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

shoot() { # market type model output
  local config="$scratch/$1"
  mkdir -p "$config/VANTREL"
  printf '[General]\nType="%s"\nModel=%s\nCommPort=COM1\n' "$2" "$3" >"$config/VANTREL/TSL-QX.conf"
  XDG_CONFIG_HOME="$config" "$program" --no-splash >/dev/null 2>&1 &
  local app=$!
  local window=""
  for _ in $(seq 50); do
    window="$(xdotool search --name 'TSL-Q2/Q3 \[' 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 0.5
  # Into the memory grid, down to the information channels.
  xdotool mousemove 100 200 click 1
  sleep 0.3
  xdotool key ctrl+End
  sleep 0.5
  import -window "$window" "$4"
  kill "$app"
  wait "$app" 2>/dev/null || true
}

mkdir -p doc
shoot K "KK,0F" ZT-Q2 doc/main-window-K.png
shoot J "JJ,01" ZT-Q3 doc/main-window-J.png
echo "doc/main-window-K.png doc/main-window-J.png"
