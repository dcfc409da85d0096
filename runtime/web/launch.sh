#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Opens the game's page in Chromium as an app window the size of its client area, with no tabs or
# address bar, as the desktop builds open their window; ends when the window is closed.
# Usage: launch.sh [--scale S] [--inspect DIR] PAGE
#   --scale S      screen pixels to the CSS pixel, as on a scaled desktop (1.5 for 144 dpi)
#   --inspect DIR  keeps the browser's profile in DIR, emptied first, and opens the debugging
#                  port through which a test reads the page (its address: DIR/DevToolsActivePort)
set -euo pipefail
scale=1
profile=""
while [ $# -gt 1 ]; do
    case $1 in
    --scale) scale=$2; shift 2 ;;
    --inspect) profile=$2; shift 2 ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--scale S] [--inspect DIR] PAGE" >&2; exit 2; }
page=$(realpath "$1")
# The window the client area's size, as the page's markup gives it.
client_size() { grep -o -m1 -- "--client-$1:[0-9]*px" "$page" | grep -o '[0-9]*'; }
width=$(client_size width) height=$(client_size height)
[ -n "$width" ] && [ -n "$height" ] || { echo "$page gives no window size: is it the game's page?" >&2; exit 1; }
browser=$(command -v chromium || command -v chromium-browser || command -v google-chrome || true)
[ -n "$browser" ] || { echo "No Chromium to open the game in: install chromium, or open $page in any browser." >&2; exit 1; }

options=(--no-first-run --disable-background-networking --disable-component-update --disable-sync
    --password-store=basic --force-device-scale-factor="$scale" --window-size="$width,$height")
if [ -n "$profile" ]; then
    rm -rf "$profile"
    mkdir -p "$profile"
    options+=(--remote-debugging-port=0)
else
    profile=$(mktemp -d)
    trap 'rm -rf "$profile"' EXIT
fi
# Chromium runs as root only without its sandbox, and then warns in a bar over the page unless
# told that it is under test.
[ "$(id -u)" -ne 0 ] || options+=(--no-sandbox --test-type)

"$browser" --user-data-dir="$profile" "${options[@]}" --app="file://$page" >/dev/null 2>&1 &
browser_pid=$!
trap 'kill $browser_pid 2>/dev/null; wait $browser_pid' TERM INT
status=0
wait $browser_pid || status=$?
exit $status
