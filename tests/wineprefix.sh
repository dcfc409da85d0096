#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Creates, afresh, a Wine prefix that Windows tests share; with a DPI, its desktop is scaled to it
# (144 makes a 96-dpi pixel one and a half). Run it under xvfb-run, with WINEPREFIX set.
# Usage: tests/wineprefix.sh [DPI]
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix to create}"
# Where this Wine cannot run programs at all (32-bit ones on a kernel without them, or with no
# wine32), the test skips itself, with the system's words: status 77.
if ! wine_says=$("${WINELOADER:-wine}" --version 2>&1); then
    echo "SKIP: Wine cannot run programs here: ${wine_says##*: }"
    exit 77
fi
rm -rf "$WINEPREFIX"
"${WINELOADER:-wine}" wineboot --init
if [ -n "${1:-}" ]; then
    "${WINELOADER:-wine}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
fi
wineserver -w
echo "PASS: created the Wine prefix $WINEPREFIX${1:+ at $1 dpi}"
