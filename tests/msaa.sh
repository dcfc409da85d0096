#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a Windows screen reader reads of the window, through MSAA, with the client beside the game:
# every control and coin by name, a coin found where the pointer is, and each flip told coin by
# coin as a change of its description, and as a whole, with the money, by the focused Flip, which
# forgets it when the focus leaves.
# (Faces and places against the screen: tests/e2e.sh.)
# Usage: xvfb-run -a tests/msaa.sh wine msaa_client.exe -- wine tencoins.exe
set -euo pipefail
client=()
while [ "$1" != "--" ]; do
    client+=("$1")
    shift
done
shift
source "$(dirname "$0")/blackbox.sh"
reader=("${client[@]}" read)

start_game
trap 'kill $pid 2>/dev/null || true; rm -f "$shot"*' EXIT

names=$("${client[@]}" names | tr -d '\r')
expected=$(cat <<'NAMES'
 (Button, read as "Flip")
 (ScrollBar, read as "Bet")
 (ScrollBar, read as "Guess")
 (Static, read as "Money: 100")
 (Static, read as "5")
 (Static, read as "0")
Coin 1 (graphic)
Coin 2 (graphic)
Coin 3 (graphic)
Coin 4 (graphic)
Coin 5 (graphic)
Coin 6 (graphic)
Coin 7 (graphic)
Coin 8 (graphic)
Coin 9 (graphic)
Coin 10 (graphic)
NAMES
)
[ "$names" = "$expected" ] || fail "the client area reads as
$names"
echo "PASS: the button, the scroll bars Bet and Guess, the labels and ten graphics Coin 1 to 10"

# Hit testing: the coins' centres, a corner of a coin's square outside its circle, the controls.
for hit in "16 16:Coin 1" "16 144:Coin 5" "48 16:Coin 6" "48 144:Coin 10" "2 2:(the window)" \
    "140 16:Flip" "100 64:Bet" "185 64:Guess"; do
    found=$("${client[@]}" hit ${hit%%:*} | tr -d '\r')
    [ "$found" = "${hit#*:}" ] || fail "at ${hit%%:*} the pointer finds '$found', not '${hit#*:}'"
done
echo "PASS: the pointer finds each coin at its place, and the controls over them"

# Each flip tells every coin's new face, once, and Flip, which keeps the focus, the result and the
# money, once.
events=$(mktemp)
"${client[@]}" watch 5000 >"$events" &
watcher=$!
for _ in $(seq 100); do
    grep -q watching "$events" && break
    sleep 0.05
done
# A bet of 1 first, so that the money told is the money after the flip, not before.
xdotool key Tab Right shift+Tab space
wait $watcher
heard=$(grep -v watching "$events" | tr -d '\r' | sort -V || true)
rm -f "$events"
read_window
faces=$(for coin in $(seq 10); do echo "Coin $coin=${seen[Coin $coin]}"; done)
red=$(echo "$faces" | grep -c '=red$' || true)
told="Flip=Guessed 5, $red red. ${seen[Money]}"
[ "$heard" = "$(printf '%s\n%s' "$faces" "$told" | sort -V)" ] || fail "a flip was told as
$heard
but the coins and the money read
$faces
$told"
echo "PASS: a flip tells each coin's new face, and Flip '${told#Flip=}'"

# What Flip told is forgotten once the focus leaves it: coming back, a screen reader reads no old
# result as if it were new.
context="after the flip" expect "Flip description=${told#Flip=}"
xdotool key Tab shift+Tab
context="after Tab away from Flip and back" expect focus=Flip "Flip description="
echo "PASS: Flip's description is empty once the focus has left it and come back"
