#!/usr/bin/env bash
# Takes the screenshots of the Channels page shown in the README
# (doc/channels-page-*.png): the program under Xvfb with its simulated radio
# for market K (U.S.A./Canada) and market J (Japan), read with Radio > Read >
# All, at 1200x800; market K with every channel in view, market J with the
# Find box holding "I-" so that the information channels show their names
# in half-width katakana.
# Usage: scripts/screenshots-channels.sh [build-dir]   (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$(pwd)/$build/src/tslq"
scratch="$(mktemp -d)"
xvfb=""
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=xcb

Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -1 "$scratch/display")"

wait_window() { # title pattern
  local window=""
  for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}

shoot_channels() { # type model output [find text]
  local config="$scratch/$(basename "$3" .png)"
  mkdir -p "$config/VANTREL"
  printf '[General]\nType="%s"\nModel=%s\nCommPort=COM1\nWindowLeft=0\nWindowTop=0\nWindowWidth=1200\nWindowHeight=800\nWindowMaximized=0\n' \
    "$1" "$2" >"$config/VANTREL/TSL-QX.conf"
  XDG_CONFIG_HOME="$config" "$program" --no-splash --simulate >"$config/log" 2>&1 &
  app=$!
  local main
  main="$(wait_window 'TSL-Q2/Q3 \[')"
  [ -n "$main" ] || { echo "the main window did not appear" >&2; cat "$config/log" >&2; exit 1; }
  sleep 0.5
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
  # Radio > Read > All, then wait for the read to end (the caption names the radio).
  xdotool key alt+r r a
  for _ in $(seq 150); do
    xdotool getwindowname "$main" | grep -q 'Radio' && ! xdotool search --onlyvisible --name '^Read$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1
  # The Channels tab, the fourth (Alt+N reaches it too once the window has
  # settled; a click does not depend on that).
  xdotool key alt+n
  sleep 0.3
  xdotool mousemove --window "$main" 255 63 click 1
  sleep 0.3
  if [ -n "${4:-}" ]; then
    xdotool key ctrl+f
    xdotool type --delay 50 "$4"
  fi
  sleep 0.5
  import -window "$main" "$3"
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=""
}

mkdir -p doc
shoot_channels "KK,0F" ZT-Q2 doc/channels-page-K.png
shoot_channels "JJ,01" ZT-Q3 doc/channels-page-J.png "I-"
echo doc/channels-page-{K,J}.png
