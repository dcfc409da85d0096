# SPDX-License-Identifier: MIT
# What the black-box scripts (e2e.sh, close.sh, error.sh) share: they play every build the same
# way, through X, whatever toolkit draws the window. Sourced, not run. Their arguments:
#   [--reader COMMAND] [--scale S] [--title-trimmed] [--] [LAUNCHER] PROGRAM
#   --reader COMMAND  prints the window as a screen reader reads it, one "what=value" line each:
#                     title, focus, Bet, Choose, Money, BetScroll, ChooseScroll, "Coin N" (its face)
#                     and "Coin N at" (its place in the client area: left top width height, in
#                     the window's logical pixels)
#   --scale S         the screen's pixels to the window's logical pixel (1.5 on a 144-dpi desktop)
#   --title-trimmed   the window system shows the title without its leading blank (a browser)
#   --colours FACE/TEXT  the system's dialog and text colours, each "red green blue": the window's
#                     face must show the one, the labels' text and the coins' rims the other
#   LAUNCHER          wine, for the .exe; the page's launcher, for the browser

reader=()
scale=1
face_colour=""
text_colour="0 0 0"
title_trimmed=false
while [ $# -gt 0 ]; do
    case $1 in
    --reader) read -ra reader <<<"$2"; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    --title-trimmed) title_trimmed=true; shift ;;
    --colours) face_colour=${2%/*} text_colour=${2#*/}; shift 2 ;;
    --) shift; break ;;
    *) break ;;
    esac
done
program=("$@")
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"*' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A length in the window's logical pixels, in the screen's; divided by a second number if given.
px() { awk -v size="$1" -v by="${2:-1}" -v scale="$scale" 'BEGIN { printf "%d", size / by * scale + 0.5 }'; }

# find_window TITLE SECONDS: the first shown window whose title matches, once there is one.
# Searched for again and again: a search ends with an X error when any window goes while it walks
# the tree, and a browser makes and drops several windows as it starts.
find_window() {
    local found
    for _ in $(seq $(($2 * 10))); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && echo "$found" && return 0
        sleep 0.1
    done
    return 1
}

# Starts the game and waits for its window, titled Form1 once the game has loaded, and gives it
# the focus. Sets pid and window.
start_game() {
    launch
    if ! window=$(find_window '^Form1$' 30); then
        # Chromium, about once in a few hundred starts, shows no window at all, and stays so. A
        # game that shows any window, or none twice running, is failed.
        [ -z "$(shown_titles)" ] || fail "no window titled Form1 appeared; $(what_shows)"
        echo "NOTE: nothing at all was shown 30 s after the start: started again" >&2
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
        launch
    fi
    for _ in 1 2 3; do
        window=$(find_window '^Form1$' 30) || fail "no window titled Form1 appeared; $(what_shows)"
        xdotool windowfocus --sync "$window" 2>/dev/null && return 0
    done
    fail "the window titled Form1 went away before it took the focus; $(what_shows)"
}

launch() {
    "${program[@]}" 2>"$shot.said" &
    pid=$!
}

shown_titles() {
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r shown; do
        xdotool getwindowname "$shown" 2>/dev/null; done | sort -u | paste -sd '|' -
}

# What there is to see when the window does not come: the shown windows' titles, the program's
# last words.
what_shows() {
    echo "shown: '$(shown_titles)'; the program said: $(tail -n 5 "$shot.said" | tr '\n' '|')"
}

# Waits for the game to end by itself, for as long as a loaded machine or a sanitizer's checks at
# exit may take; fails if it does not. Sets status.
await_end() {
    for _ in $(seq 400); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid"
        fail "$1 left the game running"
    fi
    status=0
    wait "$pid" || status=$?
}

# Moves the pointer to a point of the window, in logical pixels, then does the rest with xdotool.
at() {
    local x=$1 y=$2
    shift 2
    xdotool mousemove --window "$window" "$(px "$x")" "$(px "$y")" "$@"
}

title() { xdotool getwindowname "$window"; }

# The title as this window system shows it.
shown_title() { if $title_trimmed; then echo "${1# }"; else echo "$1"; fi; }

# Reads the window as a screen reader does, into the array seen.
declare -A seen
read_window() {
    local line
    seen=()
    while IFS= read -r line; do
        seen[${line%%=*}]=${line#*=}
    done < <("${reader[@]}" | tr -d '\r')
}

# expect WHAT=VALUE...: waits until the window reads so, or fails naming what differs.
expect() {
    local pair what wrong
    for _ in $(seq 40); do
        read_window
        wrong=""
        for pair in "$@"; do
            what=${pair%%=*}
            [ "${seen[$what]-(nothing)}" = "${pair#*=}" ] || wrong+=" $what is '${seen[$what]-(nothing)}', not '${pair#*=}';"
        done
        [ -z "$wrong" ] && return 0
        sleep 0.1
    done
    fail "${context:-}:$wrong"
}

# Photographs the window as the screen shows it.
photograph() {
    local x y
    eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print "x=" $NF }
        /Absolute upper-left Y/ { print "y=" $NF }')"
    import -window root -crop "$(px 226)x$(px 161)+$x+$y" +repage "$shot"
}

# The colour at a point of the photograph, in the screen's pixels: "red green blue".
colour_at() {
    convert "$shot" -format "%[fx:int(255*p{$1,$2}.r+.5)] %[fx:int(255*p{$1,$2}.g+.5)] %[fx:int(255*p{$1,$2}.b+.5)]" info:
}

# How many pixels of a part of the photograph given in logical pixels show exactly a colour.
pixels_of() {
    convert "$shot" -crop "$(px "$3")x$(px "$4")+$(px "$1")+$(px "$2")" +repage -depth 8 \
        -format %c histogram:info:- | awk -v colour="($(tr ' ' , <<<"$5"))" '
        $2 == colour || $2 == substr(colour, 1, length(colour) - 1) ",255)" { count += $1 }
        END { print count + 0 }'
}

# Where the ink lies in a part of the photograph given in logical pixels: "left top width height"
# in the screen's pixels, from the window's corner; nothing where there is none. Ink is dark on a
# light face, light on a dark one.
ink_in() {
    local left top negate=-negate
    left=$(px "$1") top=$(px "$2")
    read -r red green blue <<<"$text_colour"
    [ $((red + green + blue)) -lt 384 ] || negate=""
    convert "$shot" -crop "$(px "$3")x$(px "$4")+$left+$top" +repage -colorspace Gray \
        -threshold 50% $negate -trim -format '%w %h %X %Y %[fx:mean]' info: 2>/dev/null \
        | awk -v left="$left" -v top="$top" '$5 > 0 { print left + $3, top + $4, $1, $2 }'
}

# Waits for the title to report a flip of the given guess; sets red to the red count it reports.
expect_flip_of() {
    local guess=$1 seen_title
    for _ in $(seq 200); do
        seen_title=$(title)
        if $title_trimmed; then seen_title=" $seen_title"; fi
        if [[ $seen_title =~ ^\ ([0-9]|10)\ ([0-9]|10)$ ]] && [ "${BASH_REMATCH[1]}" = "$guess" ] \
            && [ "$seen_title" != "${last_title:-}" ]; then
            red=${BASH_REMATCH[2]}
            last_title=$seen_title
            return 0
        fi
        sleep 0.05
    done
    fail "after a flip with guess $guess the title is '$seen_title'"
}

# What a matched guess of this many red coins pays on a bet, in whole numbers.
payout() {
    local numerators=(1024 512 1024 128 128 128 128 128 1024 512 1024)
    local denominators=(1 5 45 15 25 29 25 15 45 5 1)
    echo $((numerators[$1] * $2 / denominators[$1]))
}

# The money as its label shows it: a blank before a balance of 0 or more.
money_text() { if [ "$1" -lt 0 ]; then echo "Money:$1"; else echo "Money: $1"; fi; }
