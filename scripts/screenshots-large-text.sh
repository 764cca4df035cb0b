#!/usr/bin/env bash
# Takes the screenshots of the program with a large desktop font shown in the
# README (doc/*-192dpi.png): the program under Xvfb with its simulated radio
# (market K) and a 192 dpi font (twice the usual size), read with Radio >
# Read > All; the main window on channel 001, then the memory channel editor
# opened on it with Enter.
# Usage: scripts/screenshots-large-text.sh [build-dir]   (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$(pwd)/$build/src/tslq"
scratch="$(mktemp -d)"
xvfb=""
app=""
trap '[ -n "$app" ] && kill $app 2>/dev/null; [ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT

# An X server of our own, large enough for a window at twice the usual size.
Xvfb -displayfd 9 -screen 0 2400x1800x24 -nolisten tcp 9>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -1 "$scratch/display")" QT_QPA_PLATFORM=xcb
# Qt 6 takes QT_FONT_DPI only with its high-DPI scaling off; with it on, it
# would scale the whole window instead of giving it a larger font.
export QT_FONT_DPI=192 QT_ENABLE_HIGHDPI_SCALING=0

wait_window() { # title pattern
  local window=""
  for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}

mkdir -p "$scratch/K/VANTREL"
printf '[General]\nType="KK,0F"\nModel=ZT-Q2\nCommPort=COM1\n' >"$scratch/K/VANTREL/TSL-QX.conf"
XDG_CONFIG_HOME="$scratch/K" "$program" --no-splash --simulate >"$scratch/log" 2>&1 &
app=$!
main="$(wait_window 'TSL-Q2/Q3 \[')"
[ -n "$main" ] || { echo "the main window did not appear" >&2; cat "$scratch/log" >&2; exit 1; }
sleep 0.5
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
# Radio > Read > All, then wait for the read to end (the caption names the radio).
xdotool key alt+r r a
for _ in $(seq 100); do
  xdotool getwindowname "$main" | grep -q 'Radio' && ! xdotool search --onlyvisible --name '^Read$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
# The memory grid (Alt+M), on channel 001.
xdotool windowfocus --sync "$main"
xdotool key alt+m ctrl+Home Down
sleep 0.5
mkdir -p doc
import -window "$main" doc/main-window-192dpi.png
xdotool key Return
editor="$(wait_window '^Memory Channel$')"
[ -n "$editor" ] || { echo "the memory channel editor did not appear" >&2; exit 1; }
sleep 0.5
import -window "$editor" doc/memory-editor-192dpi.png
xdotool key Escape
echo "doc/main-window-192dpi.png doc/memory-editor-192dpi.png"
