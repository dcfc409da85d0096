#!/usr/bin/env bash
# Makes docs/screenshot.png: the game's window after a few moves, under a virtual X display.
# Usage: xvfb-run -a tools/screenshot.sh [program] [output]
set -euo pipefail
program=${1:-build/tencoins}
output=${2:-docs/screenshot.png}

"$program" &
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
