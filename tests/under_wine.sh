#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command that starts Windows programs, then stops the prefix's wineserver, which Wine
# leaves running. Usage: tests/under_wine.sh COMMAND... (with WINEPREFIX set)
: "${WINEPREFIX:?set WINEPREFIX to the prefix the tests share}"
# Where this Wine cannot run programs at all (32-bit ones on a kernel without them, or with no
# wine32), the test skips itself, with the system's words: status 77.
if ! wine_says=$("${WINELOADER:-wine}" --version 2>&1); then
    echo "SKIP: Wine cannot run programs here: ${wine_says##*: }"
    exit 77
fi
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
