#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes a screenshot of the game's window after a few moves, under a virtual X display.
# Usage: xvfb-run -a tools/screenshot.sh [OUTPUT [LAUNCHER] PROGRAM]
#   xvfb-run -a tools/screenshot.sh                                   docs/screenshot.png
#   xvfb-run -a tools/screenshot.sh docs/screenshot-windows.png wine build-win/tencoins.exe
# (for Wine, with WINEPREFIX set). Needs ImageMagick's import.
set -euo pipefail
output=${1:-docs/screenshot.png}
shift || true
[ $# -gt 0 ] || set -- build/tencoins

"$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
xdotool windowfocus --sync "$window"

# Bet 20 on a guess of 4, then flip.
xdotool key --window "$window" --delay 50 Tab Page_Down Page_Down Tab Left
xdotool mousemove --window "$window" 140 16 click 1
sleep 0.5
import -window "$window" "$output"
echo "Saved $output"
