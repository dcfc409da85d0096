#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A window whose screen changes scale while it runs is laid out exactly as a window started at the
# new scale: from 96 to 144 dpi and back, compared with windows started at each.
# Usage: xvfb-run -a tests/dpichange.sh PREFIX_AT_96 PREFIX_AT_144 WINE WINDOW_CHECK
set -euo pipefail
prefixes=([96]=$1 [144]=$2)
check=("$3" "$4")
# layout STARTED_AT [CHANGED_TO]
layout() { WINEPREFIX=${prefixes[$1]} "$(dirname "$0")/under_wine.sh" "${check[@]}" layout ${2:-}; }
for change in "96 144" "144 96"; do
    read -r from to <<<"$change"
    # One after the other, and each one's status kept: a skip (77) is not a pass.
    started=$(layout "$to")
    changed=$(layout "$from" "$to")
    diff <(echo "$started") <(echo "$changed") >&2 \
        || { echo "FAIL: changed from $from to $to dpi, the window is not laid out as one started at $to (< started, > changed)"; exit 1; }
    echo "PASS: changed from $from to $to dpi, the window is laid out as one started at $to"
done
