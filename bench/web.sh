#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The page: its size raw and gzipped, and from navigation to the first paint that shows the ten
# coins in headless Chromium, against a static page of the same look with no WebAssembly.
# Usage: bench/web.sh [BUILD_WEB_DIR] [RUNS]   (after ./check, which builds the page and installs
# the driver)
set -euo pipefail
build_dir=$(cd "${1:-build-web}" && pwd)
runs=${2:-21}
page="$build_dir/tencoins.html"
[ -f "$page" ] || { echo "No page in $build_dir: run ./check first" >&2; exit 1; }

raw=$(stat -c %s "$page")
gzipped=$(gzip -9c "$page" | wc -c)
echo "size of tencoins.html: $((raw / 1000)).$((raw % 1000 / 100)) KB raw (at most 150), $((gzipped / 1000)).$((gzipped % 1000 / 100)) KB gzipped (at most 40)"
node "$(dirname "$0")/web.mjs" "$page" "$runs"
