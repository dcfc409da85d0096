#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Creates, afresh, the Wine prefix that the Windows tests share. Run it under xvfb-run, with
# WINEPREFIX set.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix to create}"
rm -rf "$WINEPREFIX"
wineboot --init
wineserver -w
echo "PASS: created the Wine prefix $WINEPREFIX"
