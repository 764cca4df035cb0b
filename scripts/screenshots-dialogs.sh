#!/usr/bin/env bash
# Takes the screenshots of the memory channel editor and the help viewer
# shown in the README (doc/*.png): the program under Xvfb with its simulated
# radio (market K), read with Radio > Read > All; the editor opened on a
# repeater channel, the help viewer by F1 on the memory grid, beside the main
# window.
# Usage: scripts/screenshots-dialogs.sh [build-dir]   (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$(pwd)/$build/src/tslq"
display=":$((50 + RANDOM % 40))"
scratch="$(mktemp -d)"
Xvfb "$display" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
trap '[ -n "$app" ] && kill $app 2>/dev/null; kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

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
XDG_CONFIG_HOME="$scratch/K" "$program" --no-splash --simulate >/dev/null 2>&1 &
app=$!
main="$(wait_window 'TSL-Q2/Q3 \[')"
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 0.5
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
# Radio > Read > All, then wait for the read to end (the caption names the radio).
xdotool key alt+r r a
for _ in $(seq 100); do
  xdotool getwindowname "$main" | grep -q 'Radio' && ! xdotool search --onlyvisible --name '^Read$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
# The memory grid, on channel 001 (a repeater with its shift and tone).
xdotool mousemove --window "$main" 60 200 click 1
sleep 0.3
xdotool key ctrl+Home Down
sleep 0.3
xdotool key Return
editor="$(wait_window '^Memory Channel$')"
[ -n "$editor" ] || { echo "the memory channel editor did not appear" >&2; exit 1; }
sleep 0.5
mkdir -p doc
import -window "$editor" doc/memory-editor.png
xdotool key Escape
sleep 0.5
# F1 on the grid: the help viewer opens beside the main window.
xdotool mousemove --window "$main" 60 200 click 1
sleep 0.3
xdotool key F1
viewer="$(wait_window 'TSL-Q2/Q3 Help')"
[ -n "$viewer" ] || { echo "the help viewer did not appear" >&2; exit 1; }
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$main")"
left=$X top=$Y right=$((X + WIDTH)) bottom=$((Y + HEIGHT))
eval "$(xdotool getwindowgeometry --shell "$viewer")"
left=$((X < left ? X : left)) top=$((Y < top ? Y : top))
right=$((X + WIDTH > right ? X + WIDTH : right)) bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage doc/help-viewer.png
echo "doc/memory-editor.png doc/help-viewer.png"
