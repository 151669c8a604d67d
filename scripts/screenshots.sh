#!/usr/bin/env bash
# Makes the documentation's screenshots again: starts the built VelkEval on
# the sample description and the simulated board under a virtual display
# and captures its window, on its first page and on its second.
#   scripts/screenshots.sh [BUILD_DIR]      (default: build)
# Needs xvfb (xvfb-run), imagemagick (import) and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
inside=false
if [ "${1:-}" = "--inside-display" ]; then
  inside=true
  shift
fi
build=${1:-build}
out=docs/images
for tool in xvfb-run import xdotool; do
  command -v "$tool" > /dev/null || { echo "screenshots.sh: $tool is missing (apt-get install xvfb imagemagick xdotool)" >&2; exit 1; }
done
[ -x "$build/bin/VelkEval" ] || { echo "screenshots.sh: build VelkEval first (cmake --build $build)" >&2; exit 1; }
mkdir -p "$out"

# Runs inside the virtual display.
capture() {
  local board
  board=$(mktemp)
  VELK_PORTIO=sim VELK_BOARD_STATE="$board" "$build/bin/VelkEval" &
  local program=$!
  local window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name "Velk demonstration board" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { kill "$program"; echo "screenshots.sh: the window did not appear" >&2; return 1; }
  sleep 1
  import -window "$window" "$out/main-window.png"
  # The second tab: the status, interrupt and picture registers.
  xdotool mousemove --window "$window" 85 63 click 1
  sleep 0.5
  import -window "$window" "$out/main-window-page2.png"
  kill "$program"
  rm -f "$board"
}
if $inside; then
  capture
  exit
fi
xvfb-run -a -s "-screen 0 1024x900x24" "$0" --inside-display "$build"
echo "screenshots.sh: $out/main-window.png and $out/main-window-page2.png"
