#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build, for the record: the stripped .exe's size and its start to a shown window under
# Wine with a warm prefix. Usage: bench/wine.sh [BUILD_WIN_DIR] [RUNS]   (after ./check;
# build-win holds the 32-bit program, build-win64 the 64-bit one)
set -euo pipefail
build_dir=$(cd "${1:-build-win}" && pwd)
runs=${2:-11}
tests_dir=$(cd "$(dirname "$0")/../tests" && pwd)
if objdump -f "$build_dir/tencoins.exe" | grep -q x86-64; then
    strip=x86_64-w64-mingw32-strip architecture=win64 wine=/usr/lib/wine/wine64
else
    strip=i686-w64-mingw32-strip architecture=win32 wine=wine
fi
export WINEPREFIX="$build_dir/wineprefix" WINEARCH=$architecture WINELOADER=$wine WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || { echo "No Wine prefix in $build_dir: run ./check first" >&2; exit 1; }

stripped=$(mktemp --suffix=.exe)
samples=$(mktemp)
trap 'rm -f "$stripped" "$samples"' EXIT
"$strip" -o "$stripped" "$build_dir/tencoins.exe"

# A persistent wineserver keeps the prefix warm between the runs, as on a desktop in use.
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    wineserver -p
    "$WINELOADER" "'"$stripped"'" & w=$(xdotool search --sync --onlyvisible --name "^Form1$" | head -n 1)
    "'"$tests_dir"'/close_window.py" "$w"; wait
    for run in $(seq '"$runs"'); do
        start=${EPOCHREALTIME/./}
        "$WINELOADER" "'"$stripped"'" &
        w=$(xdotool search --sync --onlyvisible --name "^Form1$" | head -n 1)
        echo $(( (${EPOCHREALTIME/./} - start) / 1000 ))
        "'"$tests_dir"'/close_window.py" "$w"
        wait
    done
    wineserver -k' >"$samples"

median_ms=$(sort -n "$samples" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
printf "%-40s %11d KiB\n" "tencoins.exe, stripped" $(( $(stat -c %s "$stripped") / 1024 ))
printf "%-40s %11d ms\n" "start to a shown window under Wine" "$median_ms"
printf "(start: median of %d runs, warm prefix)\n" "$runs"
