#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end: the built game in a real X server, played with real X input and read back as a
# player sees it: the labels, the scroll bars and the focus as a screen reader reads them, the
# coins and the texts' ink as the screen shows them, the title as the window system does.
# Usage: xvfb-run -a tests/e2e.sh --reader COMMAND [--scale S] [--title-trimmed] [LAUNCHER] PROGRAM
# (see tests/blackbox.sh)
set -euo pipefail
source "$(dirname "$0")/blackbox.sh"
[ ${#reader[@]} -gt 0 ] || fail "no --reader given"

start_game
trap 'kill $pid 2>/dev/null || true; rm -f "$shot"*' EXIT

geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "$(px 226)x$(px 161)" ] || fail "the window's client area is $geometry, not $(px 226)x$(px 161)"
echo "PASS: the window opened titled Form1, $geometry pixels"

# The program's own icon reaches the desktop; it may follow the first paint.
for _ in $(seq 100); do
    icons=$(xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)' || true)
    [ -n "$icons" ] && break
    sleep 0.05
done
[ -n "$icons" ] || fail "the window has no icon (_NET_WM_ICON)"
echo "PASS: the window shows its icon at" $(echo "$icons" | sed 's/Icon (\(.*\))/\1/; s/ //g')

context="at the start"
expect title=Form1 focus=Flip Bet=0 Choose=5 "Money=Money: 100" BetScroll=0 ChooseScroll=5 \
    "Coin "{1..10}=
# Coin i stands in column (i - 1) / 5, row (i - 1) % 5, each 33 pixels across, a pixel apart.
for coin in $(seq 10); do
    expected="$((32 * ((coin - 1) / 5))) $((32 * ((coin - 1) % 5))) 33 33"
    read -r left top width height <<<"${seen[Coin $coin at]-}"
    read -r left0 top0 width0 height0 <<<"$expected"
    for pair in "$left $left0" "$top $top0" "$width $width0" "$height $height0"; do
        read -r is should <<<"$pair"
        [ $((is - should)) -ge -1 ] && [ $((is - should)) -le 1 ] \
            || fail "coin $coin stands at '${seen[Coin $coin at]-}', not '$expected'"
    done
done
echo "PASS: the labels, scroll bars, focus and the ten coins read as at the start"

# The bet's and the guess's texts are centred in their labels, the money's starts at its left;
# all are drawn in an 18-pixel font scaled with the window. The labels' ink, from the photograph:
photograph
centre_of() { awk -v left="$1" -v width="$2" 'BEGIN { printf "%.1f", left + width / 2 }'; }
for label in "Bet 66 143 0" "Choose 146 223 5"; do
    read -r name from to digit <<<"$label"
    read -r left top width height <<<"$(ink_in "$from" 34 $((to - from)) 21)"
    [ -n "${width:-}" ] || fail "the $name label shows no text"
    centre=$(centre_of "$left" "$width")
    should=$(awk -v a="$from" -v b="$to" -v s="$scale" 'BEGIN { printf "%.1f", (a + b + 1) / 2 * s }')
    awk -v c="$centre" -v s="$should" -v k="$scale" 'BEGIN { exit !(c - s <= 3 * k && s - c <= 3 * k) }' \
        || fail "the $name label's '$digit' is centred at $centre, not at $should"
done
read -r left top width height <<<"$(ink_in 64 74 160 22)"
[ -n "${width:-}" ] || fail "the Money label shows no text"
[ "$left" -le "$(px 68)" ] || fail "the Money label's text starts at $left, not at its left edge $(px 64)"
[ "$height" -ge "$(px 13)" ] && [ "$height" -le "$(px 21)" ] \
    || fail "'Money: 100' is $height pixels high: an 18-pixel font scaled by $scale draws $(px 13) to $(px 21)"
echo "PASS: Bet and Choose are centred, Money left-aligned, in a font scaled by $scale"

# In the system's colours, whatever the scheme: the face below Money in the dialog colour, the
# money's text and coin 1's rim in the text colour.
if [ -n "$face_colour" ]; then
    [ "$(colour_at "$(px 150)" "$(px 130)")" = "$face_colour" ] \
        || fail "the window's face shows ($(colour_at "$(px 150)" "$(px 130)")), not the dialog colour ($face_colour)"
    for part in "the Money label's text:64 74 160 22" "coin 1's rim:0 0 33 33"; do
        [ "$(pixels_of ${part#*:} "$text_colour")" -gt 0 ] \
            || fail "${part%%:*} shows no pixel in the text colour ($text_colour)"
    done
    echo "PASS: the face in the dialog colour ($face_colour), text and rims in the text colour ($text_colour)"
fi

# Reads the coins after a flip: each face as a screen reader hears it must be the colour the screen
# shows at that coin's centre, and as many red as the title says.
check_coins() {
    local red=0 coin left top width height colour
    photograph
    read_window
    for coin in $(seq 10); do
        read -r left top width height <<<"${seen[Coin $coin at]}"
        colour=$(colour_at "$(px "$((left * 2 + width))" 2)" "$(px "$((top * 2 + height))" 2)")
        case "${seen[Coin $coin]}/$colour" in
        "red/255 0 0") red=$((red + 1)) ;;
        "green/0 255 0") ;;
        *) fail "coin $coin is read as '${seen[Coin $coin]}' but shows ($colour)" ;;
        esac
    done
    [ "$red" -eq "$1" ] || fail "$red coins show red, but the title says $1"
}

# Another window put in front of the game, then the game brought back as a window manager does on
# Alt+Tab: the control that had the focus has it again.
away_and_back() {
    local other_pid other
    xmessage -geometry +0+0 "Another window" &
    other_pid=$!
    other=$(find_window '^xmessage$' 10) || fail "xmessage showed no window"
    xdotool windowraise "$other" windowfocus --sync "$other" sleep 0.3
    xdotool windowraise "$window" windowfocus --sync "$window"
    "$(dirname "$0")/wm_protocol.py" "$window" WM_TAKE_FOCUS
    sleep 0.3
    kill "$other_pid" && wait "$other_pid" 2>/dev/null || true
}

# Flip has the focus from the start, and again after another window was in front: Space flips.
away_and_back
xdotool key space
expect_flip_of 5
context="after the first flip"
expect "title= 5 $red" "Money=Money: 100" Bet=0 BetScroll=0
check_coins "$red"
echo "PASS: Space at the start flipped ' 5 $red'; each coin shows the face it is read as"
money=100

# The keys on a focused scroll bar: Left and Right step by the arrow step, Page Up and Page Down
# by the page step, Home and End go to the ends, and still after another window was in front.
# The label and the money follow each move. Tab goes round, Shift+Tab back round.
keys_on_bet=("Tab focus=BetScroll Bet=0" "Right Bet=1" "away focus=BetScroll" "Page_Down Bet=11"
    "Page_Up Bet=1" "Left Bet=0" "End Bet=100" "Home Bet=0")
keys_on_guess=("Tab focus=ChooseScroll Choose=5" "Right Choose=6" "Page_Down Choose=7"
    "Page_Up Choose=6" "Left Choose=5" "Home Choose=0" "End Choose=10" "Home Choose=0")
for step in "${keys_on_bet[@]}" "${keys_on_guess[@]}" "Tab focus=Flip" \
    "shift+Tab focus=ChooseScroll" "Tab focus=Flip"; do
    read -r key what <<<"$step"
    if [ "$key" = away ]; then away_and_back; else xdotool key "$key"; fi
    context="after $key ($what)"
    case $what in
    Bet=*) expect "$what" "BetScroll=${what#Bet=}" "Money=$(money_text $((money - ${what#Bet=})))" ;;
    Choose=*) expect "$what" "ChooseScroll=${what#Choose=}" "Money=Money: $money" ;;
    *) expect $what ;;
    esac
done
echo "PASS: keys move the focused scroll bars by their steps, and the labels and money follow"

# A click on a scroll bar gives it the focus, as a Windows scroll bar takes it, and the arrow keys
# then move that bar; a click anywhere inside Flip flips, its corners included. The guess's track
# is clicked right of its thumb before each corner, so that each flip has a guess of its own.
context="after the keys" expect focus=Flip Bet=0 Choose=0
for corner in "65 1" "223 1" "65 31" "223 31"; do
    guess=$(( ${seen[Choose]} + 1 ))
    at 200 64 click 1
    context="after a click in the guess's track" expect focus=ChooseScroll "Choose=$guess"
    read -r x y <<<"$corner"
    at "$x" "$y" click 1
    expect_flip_of "$guess"
    context="after a click at $x,$y inside Flip" expect focus=Flip "Choose=$guess"
done
at 72 64 click 1
xdotool key Right
context="after a click on the bet's left arrow, and Right" expect focus=BetScroll Bet=1 \
    "Money=$(money_text $((money - 1)))"
xdotool key Left Tab Home Tab
context="with the guess back at 0" expect focus=Flip Bet=0 Choose=0
echo "PASS: a click on a scroll bar gives it the focus; a click in any corner of Flip flips"

# The mouse on the bet's scroll bar, which keeps the focus: its arrows step by 1, a click in its
# track pages by 10 towards the click, a held arrow repeats, the wheel moves three steps a notch,
# never more than a page, and a notch past either end leaves the bar there and the game playing.
# The bar: 64 to 145 across, 56 to 73 down; its arrows are the 17 pixels at either end.
bar=64
xdotool key Tab End
context="after End on the bet" expect focus=BetScroll Bet=100
mouse_steps=("100 click 5:Bet=100" "88 click 1:Bet=90" "137 click 1:Bet=91" "72 click 1:Bet=90"
    "key Home:Bet=0" "100 click 4:Bet=0" "125 click 1:Bet=10" "125 click 1:Bet=20"
    "100 click 5:Bet=23" "100 click 5:Bet=26" "100 click 4:Bet=23")
for step in "${mouse_steps[@]}"; do
    read -r x action <<<"${step%%:*}"
    if [ "$x" = key ]; then xdotool key $action; else at "$x" $bar $action; fi
    context="after $action at $x across the bet's scroll bar"
    bet=${step#*:Bet=}
    expect "Bet=$bet" "BetScroll=$bet" "Money=$(money_text $((money - bet)))"
done
# The guess's page is one step: a notch moves it by one, and none past either end.
guess_steps=("click 4:Choose=0" "click 5:Choose=1" "click 4:Choose=0" "key Tab End:Choose=10"
    "click 5:Choose=10" "click 4:Choose=9" "key Home shift+Tab:Choose=0")
for step in "${guess_steps[@]}"; do
    read -r how action <<<"${step%%:*}"
    if [ "$how" = key ]; then xdotool key $action; else at 185 $bar "$how" $action; fi
    context="after $how $action on the guess" expect "${step#*:}" "ChooseScroll=${step#*:Choose=}"
done
context="back on the bet" expect focus=BetScroll
# A held arrow steps again and again.
at 137 $bar mousedown 1
sleep 1.2
xdotool mouseup 1
read_window
[ "${seen[Bet]}" -ge 5 ] || fail "holding the bet's right arrow for 1.2 s moved the bet to ${seen[Bet]} only"
context="after holding the arrow" expect "Money=$(money_text $((money - seen[Bet])))"
xdotool key Home
echo "PASS: arrows step, the track pages, held arrows repeat, the wheel turns the bars"

# A dragged thumb changes nothing until it is let go.
context="after Home" expect Bet=0 BetScroll=0
at 88 $bar mousedown 1
sleep 0.2
at 100 $bar
at 112 $bar
sleep 0.3
context="while the thumb is dragged" expect Bet=0 BetScroll=0 "Money=Money: $money"
xdotool mouseup 1
for _ in $(seq 40); do
    read_window
    [ "${seen[Bet]}" != 0 ] && break
    sleep 0.1
done
[ "${seen[Bet]}" != 0 ] || fail "letting the dragged thumb go left the bet at 0"
context="after the drag" expect "BetScroll=${seen[Bet]}" "Money=$(money_text $((money - seen[Bet])))"
echo "PASS: a dragged thumb changes the bet when it is let go, to ${seen[Bet]}, not before"

# A won or lost flip settles the bet: the money moves by the payout, the bet goes back to 0.
# Many rounds by keyboard: Tab to the bet, choose 11, Tab to the guess, move it, Tab back to Flip
# and press Space; the title must carry the guess that the keys chose.
xdotool key Home Tab Tab
context="back on Flip" expect focus=Flip Bet=0 Choose=0
guess=0
RANDOM=7
for round in $(seq 25); do
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
    won=0
    [ "$red" -eq "$guess" ] && won=$(payout "$red" 11)
    money=$((money - 11 + won))
    context="after round $round (guess $guess, $red red)"
    expect "Money=$(money_text $money)" Bet=0 BetScroll=0 focus=Flip
    kill -0 "$pid" 2>/dev/null || fail "the game died in round $round"
done
check_coins "$red"
echo "PASS: 25 rounds of bets, guesses and flips by keyboard, each settled; the money reads $money"

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

# Resizing the window moves and scales nothing: made larger, the game stays as it was in its
# corner; made smaller, what still shows is as it was.
xdotool mousemove 0 0
photograph
before=$(mktemp --suffix=.png)
trap 'kill $pid 2>/dev/null || true; rm -f "$shot"* "$before"*' EXIT
cp "$shot" "$before"
for size in "400 300" "150 100"; do
    read -r width height <<<"$size"
    xdotool windowsize --sync "$window" "$(px "$width")" "$(px "$height")"
    sleep 0.5
    photograph
    shown="$(px "$((width < 226 ? width : 226))")x$(px "$((height < 161 ? height : 161))")+0+0"
    convert "$before" -crop "$shown" +repage "$before.shown.png"
    convert "$shot" -crop "$shown" +repage "$shot.shown.png"
    # A browser smooths a curve a level or two differently where the window's edge cuts it.
    changed=$(compare -metric AE -fuzz 10% "$before.shown.png" "$shot.shown.png" null: 2>&1 || true)
    [ "$changed" = 0 ] || fail "made $width x $height, the window changed $changed of the pixels it still shows"
done
echo "PASS: resizing the window, larger or smaller, moves and scales nothing"
