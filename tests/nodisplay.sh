#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# With no usable display the game says so in one line and ends with status 1: no abort, no core.
# Usage: tests/nodisplay.sh path/to/tencoins
set -uo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
ulimit -c 0

expect_one_line() {
    local what=$1 status output lines
    shift
    output=$(env -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$output" | grep -c .)
    [ $status -eq 1 ] || fail "$what: the game ended with status $status, not 1: $output"
    [ "$lines" -eq 1 ] || fail "$what: the game printed $lines lines, not one: $output"
    [[ $output == *"no display"*"xvfb-run"* ]] || fail "$what: the line does not say what to do: $output"
    echo "PASS: $what: status 1 and one line"
}

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
expect_one_line "no display at all" -u DISPLAY -u WAYLAND_DISPLAY
expect_one_line "an X display that is not there" -u WAYLAND_DISPLAY DISPLAY=:4321
expect_one_line "a Wayland display that is not there" -u DISPLAY XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY=wayland-gone
