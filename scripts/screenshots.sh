#!/usr/bin/env bash
# Takes the screenshots of the main window shown in the README (doc/*.png):
# the program under Xvfb for market K (U.S.A./Canada) and market J (Japan),
# each on a scratch profile, at its first size and grown to 1200x900 (a place
# remembered in the profile), the memory grid scrolled to the information
# channels and the VFO row "A_144MHz" selected, so that the status bar shows
# its program VFO range.
# Usage: scripts/screenshots.sh [build-dir]   (needs Xvfb, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$(pwd)/$build/src/tslq"
scratch="$(mktemp -d)"
xvfb=""
trap 'if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi; rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=xcb

# An X server of our own (again, should it have gone): Xvfb picks a free
# display itself and tells its number.
ensure_xvfb() {
  if [ -n "$xvfb" ] && kill -0 "$xvfb" 2>/dev/null; then return; fi
  rm -f "$scratch/display"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$scratch/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -1 "$scratch/display")"
}

# Starts the program on a scratch profile; echoes the process id and window.
start() { # name type model [extra profile lines]
  local config="$scratch/$1"
  mkdir -p "$config/VANTREL"
  printf '[General]\nType="%s"\nModel=%s\nCommPort=COM1\n%s' "$2" "$3" "${4:-}" \
    >"$config/VANTREL/TSL-QX.conf"
  XDG_CONFIG_HOME="$config" "$program" --no-splash >"$config/log" 2>&1 &
  local app=$!
  local window=""
  for _ in $(seq 300); do
    window="$(xdotool search --onlyvisible --name 'TSL-Q2/Q3 \[' 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "screenshots: the main window did not appear" >&2
    cat "$config/log" >&2
    kill "$app" 2>/dev/null || true
    return 1
  fi
  sleep 0.5
  echo "$app $window"
}

shoot_main() { # type model output [extra profile lines]
  local app window started=""
  for _ in 1 2 3; do
    ensure_xvfb
    started="$(start "$(basename "$3" .png)" "$1" "$2" "${4:-}")" && break
    started=""
  done
  [ -n "$started" ] || exit 1
  read -r app window <<<"$started"
  # Into the memory grid and down to the information channels, then the
  # first VFO row (Alt+V gives the VFO grid the focus).
  xdotool windowfocus --sync "$window"
  xdotool key alt+y
  sleep 0.2
  xdotool key alt+m ctrl+End
  sleep 0.3
  xdotool key alt+v ctrl+Home
  sleep 0.5
  import -window "$window" "$3"
  kill "$app"
  wait "$app" 2>/dev/null || true
}

grown='WindowLeft=0\nWindowTop=0\nWindowWidth=1200\nWindowHeight=900\nWindowMaximized=0\n'
mkdir -p doc
shoot_main "KK,0F" ZT-Q2 doc/main-window-K.png
shoot_main "JJ,01" ZT-Q3 doc/main-window-J.png
shoot_main "KK,0F" ZT-Q2 doc/main-window-K-1200x900.png "$(printf "$grown")"
shoot_main "JJ,01" ZT-Q3 doc/main-window-J-1200x900.png "$(printf "$grown")"
echo doc/main-window-{K,J}.png doc/main-window-{K,J}-1200x900.png
