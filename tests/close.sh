#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Closing the window at any moment ends the game cleanly, with status 0.
# Usage: xvfb-run -a tests/close.sh [LAUNCHER] path/to/tencoins   (the launcher: wine, for the .exe)
set -euo pipefail

program=("$@")
close_window=$(dirname "$0")/close_window.py

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the game, runs the moves given as a command, closes the window, checks the status.
close_after() {
    local what=$1 moves=$2 pid window status
    "${program[@]}" 2>/dev/null &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
    xdotool windowfocus --sync "$window"
    eval "$moves"
    "$close_window" "$window"
    for _ in $(seq 200); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 $pid 2>/dev/null; then
        kill -9 $pid
        fail "closing $what left the game running"
    fi
    status=0
    wait $pid || status=$?
    xdotool mouseup 1 2>/dev/null || true
    [ $status -eq 0 ] || fail "closing $what ended the game with status $status"
    echo "PASS: closing $what ends the game with status 0"
}

# Window coordinates: the bet's thumb rests just right of its left arrow, and its right arrow
# ends the bar.
close_after "at once" ":"
close_after "with a bet chosen" "xdotool key Tab Page_Down Page_Down Right"
close_after "after flips" "for i in 1 2 3 4 5; do xdotool mousemove --window \$window 140 16 click 1; done"
close_after "in the middle of a thumb drag" \
    "xdotool mousemove --window \$window 88 64 mousedown 1 mousemove --window \$window 110 64; sleep 0.2"
close_after "while an arrow repeats" \
    "xdotool mousemove --window \$window 140 64 mousedown 1; sleep 0.8"
