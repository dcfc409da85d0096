#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command that starts Windows programs, then stops the prefix's wineserver, which Wine
# leaves running. Usage: tests/under_wine.sh COMMAND... (with WINEPREFIX set)
: "${WINEPREFIX:?set WINEPREFIX to the prefix the tests share}"
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
