#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An error in play is reported to the player in a box titled "Ten Coins", and ends the game with
# status 1 once the box is dismissed, not before. Run against a test build whose first flip fails.
# Usage: xvfb-run -a tests/error.sh [LAUNCHER] PROGRAM   (see tests/blackbox.sh)
set -euo pipefail
source "$(dirname "$0")/blackbox.sh"

start_game
trap 'kill $pid 2>/dev/null || true; rm -f "$shot"*' EXIT
xdotool key space
box=$(find_window '^Ten Coins$' 20) || fail "a failed flip showed no box titled Ten Coins"
echo "PASS: a failed flip shows the error in a box titled Ten Coins"
# The box belongs to the game's window, which the window system keeps it in front of, and it
# stays, with the game still running, for as long as the player takes to read it.
owner=$(xprop -id "$box" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*$' || true)
[ "$((owner))" = "$window" ] || fail "the error box is not owned by the game's window (WM_TRANSIENT_FOR ${owner:-unset})"
sleep 2
[ "$(find_window '^Ten Coins$' 1)" = "$box" ] || fail "the error box went away by itself"
kill -0 "$pid" 2>/dev/null || fail "the game ended before its error was dismissed"
echo "PASS: the box is owned by the game's window, and is still there 2 s later"
xdotool windowfocus --sync "$box" key Return
await_end "dismissing the error"
[ "$status" -eq 1 ] || fail "after the error the game ended with status $status, not 1"
echo "PASS: dismissing the error ends the game with status 1"
