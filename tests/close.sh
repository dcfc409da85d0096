#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Closing the window at any moment ends the game cleanly, with status 0.
# Usage: xvfb-run -a tests/close.sh [--scale S] [LAUNCHER] PROGRAM   (see tests/blackbox.sh)
set -euo pipefail
source "$(dirname "$0")/blackbox.sh"
wm_protocol=$(dirname "$0")/wm_protocol.py

# Starts the game, runs the moves given as a command, closes the window, checks the status.
close_after() {
    local what=$1 moves=$2
    start_game
    eval "$moves"
    "$wm_protocol" "$window" WM_DELETE_WINDOW
    await_end "closing $what"
    xdotool mouseup 1 2>/dev/null || true
    [ "$status" -eq 0 ] || fail "closing $what ended the game with status $status"
    echo "PASS: closing $what ends the game with status 0"
}

# The bet's thumb rests just right of its left arrow, and its right arrow ends the bar.
close_after "at once" ":"
close_after "with a bet chosen" "xdotool key Tab Page_Down Page_Down Right"
close_after "after flips" "for i in 1 2 3 4 5; do at 140 16 click 1; done"
close_after "in the middle of a thumb drag" "at 88 64 mousedown 1; at 110 64; sleep 0.2"
close_after "while an arrow repeats" "at 140 64 mousedown 1; sleep 0.8"
