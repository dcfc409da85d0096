#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark and prints one table. Usage: bench/run.sh [BUILD_DIR] [RUNS]
# Start-up runs under Xvfb, alternating the game with a bare Qt window of the same size and with
# the same window showing one label in the game's font (the floor for any window with text), so
# that all see the same machine at the same moments. Instructions are counted with callgrind
# (from the start to the first paint to the exit), which repeats where times do not.
# Needs the Linux build (./play or ./check makes it), and installs valgrind and Xvfb if missing.
set -euo pipefail
source "$(dirname "$0")/../tools/setup.sh"
build_dir=$(cd "${1:-$project_dir/build}" 2>/dev/null && pwd) \
    || { echo "No build in ${1:-$project_dir/build}: run ./check or ./play first" >&2; exit 1; }
runs=${2:-21}
bench="$build_dir/bench"
[ -x "$bench/bench_startup_game" ] || { echo "No benchmarks in $bench: run ./check first" >&2; exit 1; }
install_missing_packages valgrind xvfb xauth

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

startup_samples=$(mktemp)
instruction_samples=$(mktemp)
trap 'rm -f "$startup_samples" "$instruction_samples"' EXIT
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    for run in $(seq '"$runs"'); do
        for program in bare text game; do
            printf "%s " $program
            BENCH_LAUNCH_NS=${EPOCHREALTIME/./}000 "'"$bench"'/bench_startup_$program" 2>/dev/null
        done
    done' >"$startup_samples"

xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    for run in 1 2 3; do
        for program in text game; do
            printf "%s " $program
            BENCH_LAUNCH_NS=0 valgrind --tool=callgrind --callgrind-out-file=/dev/null \
                "'"$bench"'/bench_startup_$program" 2>&1 >/dev/null \
                | sed -n "s/^==\([0-9]*\)== Collected : \([0-9]*\)/\1 \2/p" | sort -n | head -n 1
        done
    done' >"$instruction_samples"
instructions() { grep "^$1 " "$instruction_samples" | awk '{ print $3 }' | median; }
text_ir=$(instructions text)
game_ir=$(instructions game)
[ "${text_ir:-0}" -gt 0 ] && [ "${game_ir:-0}" -gt 0 ] \
    || { echo "callgrind counted no instructions: see valgrind --tool=callgrind $bench/bench_startup_game" >&2; exit 1; }

field() { grep "^$1 " "$startup_samples" | sed -n "s/.*$2=\([0-9.]*\).*/\1/p" | median; }
bare_ms=$(field bare startup_ms)
game_ms=$(field game startup_ms)
bare_kib=$(field bare peak_kib)
text_ms=$(field text startup_ms)
text_kib=$(field text peak_kib)
game_kib=$(field game peak_kib)

flip_ms=$(QT_QPA_PLATFORM=offscreen "$bench/bench_flip" -minimumvalue 200 2>/dev/null \
    | sed -n 's/^ *\([0-9.]*\) msecs per iteration.*/\1/p')
rules=$("$bench/bench_rules" | sed -n 's/.*rules_flips_per_s=\([0-9]*\).*/\1/p')

awk -v bm="$bare_ms" -v gm="$game_ms" -v bk="$bare_kib" -v gk="$game_kib" -v fm="$flip_ms" \
    -v rf="$rules" -v runs="$runs" -v tm="$text_ms" -v tk="$text_kib" \
    -v ti="$text_ir" -v gi="$game_ir" 'BEGIN {
    printf "%-40s %14s %14s %10s\n", "benchmark", "result", "target", "met"
    printf "%-40s %11.1f ms %14s\n", "start-up to first paint, bare window", bm, ""
    printf "%-40s %11.1f ms %14s\n", "start-up to first paint, window with text", tm, ""
    printf "%-40s %11.1f ms %14s\n", "start-up to first paint, game", gm, ""
    printf "%-40s %13.2fx\n", "  game / bare", gm / bm
    printf "%-40s %13.2fx\n", "  game / window with text", gm / tm
    printf "%-40s %13.1fM\n", "start-up instructions, window with text", ti / 1e6
    printf "%-40s %13.1fM\n", "start-up instructions, game", gi / 1e6
    printf "%-40s %13.3fx %14s %10s\n", "  game / window with text", gi / ti, "<= 1.05x", (gi / ti <= 1.05 ? "yes" : "NO")
    printf "%-40s %10.1f MiB %14s\n", "peak memory, bare window", bk / 1024, ""
    printf "%-40s %10.1f MiB %14s\n", "peak memory, window with text", tk / 1024, ""
    printf "%-40s %10.1f MiB %14s\n", "peak memory, game", gk / 1024, ""
    printf "%-40s %10.2f MiB\n", "  game - bare", (gk - bk) / 1024
    printf "%-40s %10.2f MiB %14s %10s\n", "  game - window with text", (gk - tk) / 1024, "<= 0.5 MiB", ((gk - tk) / 1024 <= 0.5 ? "yes" : "NO")
    printf "%-40s %11.3f ms %14s %10s\n", "Flip with the repaint of ten coins", fm, "< 1 ms", (fm < 1 ? "yes" : "NO")
    printf "%-40s %10.1f M/s %14s %10s\n", "settled flips per second, one core", rf / 1e6, ">= 10 M/s", (rf >= 1e7 ? "yes" : "NO")
    printf "(start-up: times and memory medians of %d runs each, instructions of 3)\n", runs
}'
