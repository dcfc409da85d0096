#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end: the built game in a real X server, played with real X input.
# Usage: xvfb-run -a tests/e2e.sh [LAUNCHER] path/to/tencoins   (the launcher: wine, for the .exe)
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

"$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
[ -n "$window" ] || fail "no window titled Form1 appeared"
xdotool windowfocus --sync "$window"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "226x161" ] || fail "the window's client area is $geometry, not 226x161"
echo "PASS: the window opened titled Form1, 226 by 161 pixels"

# The program's own icon reaches the desktop; it may follow the first paint.
for _ in $(seq 100); do
    icons=$(xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' || true)
    [ -n "$icons" ] && break
    sleep 0.05
done
[ -n "$icons" ] || fail "the window has no icon (_NET_WM_ICON)"
echo "PASS: the window shows its icon at" $(echo "$icons" | sed 's/Icon (\(.*\))/\1/; s/ //g')

title() { xdotool getwindowname "$window"; }

# Waits for the title to report a flip of the given guess, and returns it.
expect_flip_of() {
    local guess=$1 seen
    for _ in $(seq 200); do
        seen=$(title)
        if [[ $seen =~ ^\ ([0-9]|10)\ ([0-9]|10)$ ]] && [ "${BASH_REMATCH[1]}" = "$guess" ]; then
            return 0
        fi
        sleep 0.05
    done
    fail "after a flip with guess $guess the title is '$seen'"
}

# A flip by mouse on the Flip button.
xdotool mousemove --window "$window" 140 16 click 1
expect_flip_of 5
echo "PASS: a click on Flip reported '$(title)'"

# Many rounds by keyboard: Tab to the bet, change it, Tab to the guess, change it, Tab back to
# Flip and press Space; the title must carry the guess that the keys chose.
guess=5
RANDOM=7
for round in $(seq 40); do
    xdotool key Tab Page_Down Right Tab
    # Move the guess every round, so that every flip changes the title.
    if [ "$guess" -eq 0 ] || { [ "$guess" -lt 10 ] && [ $((RANDOM % 2)) -eq 0 ]; }; then
        xdotool key Right
        guess=$((guess + 1))
    else
        xdotool key Left
        guess=$((guess - 1))
    fi
    xdotool key Tab space
    expect_flip_of "$guess"
    kill -0 $pid 2>/dev/null || fail "the game died in round $round"
done
echo "PASS: 40 rounds of bets, guesses and flips by keyboard; the game is still running"

# Holding Enter or Space on the focused Flip presses it once, however long X repeats the key.
# Each hold moves the guess first, so that its one flip shows in the title.
hold_on_flip() {
    local key=$1 changes=0 last now
    xdotool key Tab Tab
    if [ "$guess" -lt 10 ]; then xdotool key Right; guess=$((guess + 1)); else xdotool key Left; guess=$((guess - 1)); fi
    xdotool key Tab
    last=$(title)
    xdotool keydown "$key"
    # Well past X's repeat delay, watching the title all the while.
    for _ in $(seq 60); do
        sleep 0.02
        now=$(title)
        [ "$now" = "$last" ] || { changes=$((changes + 1)); last=$now; }
    done
    xdotool keyup "$key"
    expect_flip_of "$guess"
    [ "$(title)" = "$last" ] || changes=$((changes + 1))
    [ $changes -le 1 ] || fail "holding $key on Flip flipped more than once ($changes titles)"
}
for key in Return space Return space; do
    hold_on_flip $key
done
echo "PASS: holding Enter or Space on Flip flips once"
