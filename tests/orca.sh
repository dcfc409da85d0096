#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a blind player hears: Orca, the screen reader, follows the game under a window manager while
# one round is played by keyboard: Tab to the bet, Right twice, Tab to the guess, End, Tab to Flip,
# Space. Orca must have said the bet, the guess, the flip's result and the money, in that order,
# each once. Orca logs each utterance as "SPEECH OUTPUT: '...'" in its debug file.
# Usage: dbus-run-session -- tests/a11ybus.sh xvfb-run -a tests/orca.sh [--title-trimmed]
#            [LAUNCHER] PROGRAM   (see tests/blackbox.sh)
set -euo pipefail
source "$(dirname "$0")/blackbox.sh"
orca_home=$(mktemp -d)
log=$orca_home/orca.log
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$shot"* "$orca_home"' EXIT

# Orca's utterances, one a line, without the keys it echoes ("tab", "space").
spoken() {
    tr -d '\r' <"$log" | sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *{.*/\1/p" | sed 's/ *$//' \
        | grep -vxE 'tab|space' || true
}

# awaits PATTERN SECONDS [MARK]: waits until Orca has said a line matching PATTERN (an extended
# regular expression for the whole line), after its first MARK lines.
awaits() {
    for _ in $(seq $(($2 * 10))); do
        spoken | tail -n +$((${3:-0} + 1)) | grep -qxE -- "$1" && return 0
        sleep 0.1
    done
    fail "Orca did not say '$1' within $2 s; it said: $(spoken | tr '\n' '|')"
}

# settles: waits until Orca has said nothing for half a second.
settles() {
    local count now quiet=0
    count=$(spoken | wc -l)
    while [ "$quiet" -lt 5 ]; do
        sleep 0.1
        now=$(spoken | wc -l)
        [ "$now" = "$count" ] && quiet=$((quiet + 1)) || quiet=0
        count=$now
    done
}

# press KEY PATTERN: presses KEY and waits until Orca has answered with PATTERN and done speaking.
# A loaded machine can keep Orca seconds behind, and a key it takes before it has followed the
# focus goes to it, not to the game (browse mode keeps the arrows).
press() {
    local mark
    mark=$(spoken | wc -l)
    xdotool key "$1"
    awaits "$2" 20 "$mark"
    settles
}

# The user's own switch, which the desktop's settings of the test's (XDG_CONFIG_HOME) leave alone.
users_switch() {
    XDG_CONFIG_HOME=${USERS_CONFIG_HOME:-$HOME/.config} gsettings get org.gnome.desktop.interface \
        toolkit-accessibility 2>&1
}
users_switch_before=$(users_switch)

openbox >/dev/null 2>&1 &
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
# Orca with settings of its own, whatever the user's are, writing its log to a terminal: there each
# line is written at once, where into a file it would wait for a block to fill. script(1) gives
# it the terminal and keeps what it writes.
XDG_DATA_HOME=$orca_home script -qfec "orca --replace --debug-file=/dev/tty" "$log" \
    </dev/null >/dev/null 2>&1 &
awaits "Screen reader on\\.?" 30
start_game
xdotool windowactivate --sync "$window" 2>/dev/null || true
awaits ".*Form1.*" 20
settles
echo "PASS: Orca follows the game's window"

start=$(spoken | wc -l)
press Tab 'Bet.*'
press Right '1\.?'
press Right '2\.?'
press Tab 'Guess.*'
press End '10\.?'
press Tab 'Flip.*'
xdotool key space
expect_flip_of 10
money=$((98 + $([ "$red" -eq 10 ] && payout 10 2 || echo 0)))
awaits ".*Guessed 10, $red red.*" 10
sleep 2 # for anything said twice
heard=$(spoken | tail -n +$((start + 1)))

# said_once WHAT GREP_OPTIONS PATTERN: where Orca said it, as a line number; it must be once.
said_once() {
    local where count
    where=$(echo "$heard" | grep -n "$2" -- "$3" | cut -d: -f1 || true)
    count=$(echo "$where" | grep -c . || true)
    [ "$count" -eq 1 ] || fail "Orca said $1 $count times: $(echo "$heard" | tr '\n' '|')"
    echo "$where"
}
bet=$(said_once "the bet" -xE '2\.?')
guess=$(said_once "the guess" -xE '10\.?')
result=$(said_once "the result" -F "Guessed 10, $red red")
said=$(said_once "the money" -F "$(money_text "$money")")
[ "$bet" -lt "$guess" ] && [ "$guess" -lt "$result" ] && [ "$result" -le "$said" ] \
    || fail "Orca said the bet, guess, result and money out of order: $(echo "$heard" | tr '\n' '|')"
echo "PASS: Orca said the bet 2, the guess 10, 'Guessed 10, $red red' and '$(money_text "$money")', in order, once each"
[ "$(users_switch)" = "$users_switch_before" ] \
    || fail "the user's own toolkit-accessibility was $users_switch_before, and is now $(users_switch)"
echo "PASS: the user's own desktop settings are as they were"
