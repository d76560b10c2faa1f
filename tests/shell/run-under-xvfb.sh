#!/usr/bin/env bash
# Run as a test: the game in a real X display. It opens its window, takes a
# key press through X (Alt+F4 closes it through Quit) and exits with 0.
# Usage: run-under-xvfb.sh <corvanta> <scratch folder>
set -euo pipefail

inside() {
  local exe=$1 scratch=$2 wid="" pid
  "$exe" >"$scratch/game.out" 2>&1 &
  pid=$!
  for _ in $(seq 150); do
    wid=$(xdotool search --name '^Corvanta$' 2>/dev/null | head -n 1) || true
    [ -n "$wid" ] && break
    sleep 0.1
  done
  if [ -z "$wid" ]; then
    kill "$pid" 2>/dev/null || true
    echo "the game's window never appeared"; cat "$scratch/game.out"; return 3
  fi
  sleep 0.5
  xdotool mousemove --window "$wid" 300 200 click 1
  xdotool key alt+F4
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"; echo "Alt+F4 did not close the game"; return 4
  fi
  wait "$pid"
}
if [ "${1:-}" = "--inside" ]; then
  inside "$2" "$3"
  exit
fi
exe=$1
scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch"
export TESSEL_USER_DATA_FOLDER="$scratch/user-data"
unset SDL_VIDEODRIVER
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$exe" "$scratch"
