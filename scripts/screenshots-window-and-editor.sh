#!/usr/bin/env bash
# Takes the README's screenshots of the main window and of the memory channel
# editor in a given language, market and font size: the program under Xvfb,
# opened on the sample contents of the simulated radio of that market, on
# channel 001; the editor opened on it with Enter.
#
# Usage: scripts/screenshots-window-and-editor.sh [--build DIR] [--lang en|de|ja] [--type CODE] [--dpi N] NAME
# writes doc/main-window-NAME.png and doc/memory-editor-NAME.png, e.g.
#   scripts/screenshots-window-and-editor.sh --dpi 192 192dpi
#   scripts/screenshots-window-and-editor.sh --lang ja --type JJ,01 ja
#   scripts/screenshots-window-and-editor.sh --lang de --type ME,0B de
# (needs Xvfb, xdotool and ImageMagick's import)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build lang=en type=KK,0F dpi=""
while [ $# -gt 1 ]; do
  case "$1" in
    --build) build="$2"; shift 2 ;;
    --lang) lang="$2"; shift 2 ;;
    --type) type="$2"; shift 2 ;;
    --dpi) dpi="$2"; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
[ $# -eq 1 ] || { sed -n 7,12p "$0" >&2; exit 2; }
name="$1"
scratch="$(mktemp -d)"
xvfb="" app=""
trap '[ -n "$app" ] && kill $app 2>/dev/null; [ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT

# The sample contents of the market's radio, as a data file.
"$build/src/tslq-sim" --type "$type" --save "$scratch/sample.qx" --link "$scratch/link" >/dev/null 2>&1 &
sim=$!
sleep 1
kill "$sim"
wait "$sim" 2>/dev/null || true
[ -s "$scratch/sample.qx" ] || { echo "tslq-sim saved no sample" >&2; exit 1; }

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
if [ -n "$dpi" ]; then export QT_FONT_DPI="$dpi" QT_ENABLE_HIGHDPI_SCALING=0; fi

visible_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }

model=ZT-Q3
[ "$type" = KK,0F ] && model=ZT-Q2
mkdir -p "$scratch/config/VANTREL" "$scratch/home"
printf '[General]\nType="%s"\nModel=%s\nCommPort=COM1\n' "$type" "$model" >"$scratch/config/VANTREL/TSL-QX.conf"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" "$build/src/tslq" --no-splash --lang="$lang" "$scratch/sample.qx" \
  >"$scratch/log" 2>&1 &
app=$!
main=""
for _ in $(seq 100); do
  main="$(visible_windows | head -1)"
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || { echo "the main window did not appear" >&2; cat "$scratch/log" >&2; exit 1; }
sleep 1
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
# From the page tabs into the memory grid, on channel 001.
xdotool key Tab ctrl+Home Down
sleep 0.5
mkdir -p doc
import -window "$main" "doc/main-window-$name.png"
xdotool key Return
editor=""
for _ in $(seq 50); do
  editor="$(visible_windows | grep -vx "$main" | head -1 || true)"
  [ -n "$editor" ] && break
  sleep 0.1
done
[ -n "$editor" ] || { echo "the memory channel editor did not appear" >&2; exit 1; }
sleep 0.5
import -window "$editor" "doc/memory-editor-$name.png"
xdotool key Escape
echo "doc/main-window-$name.png doc/memory-editor-$name.png"
