#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The page: its size raw and gzipped, and from navigation to the first paint that shows the ten
# coins in headless Chromium, against a static page of the same look with no WebAssembly; and
# what else the first visit to the site brings (manifest, worker, icons).
# Usage: bench/web.sh [BUILD_WEB_DIR] [RUNS]   (after ./check, which builds the page and installs
# the driver)
set -euo pipefail
build_dir=$(cd "${1:-build-web}" && pwd)
runs=${2:-21}
page="$build_dir/tencoins.html"
[ -f "$page" ] || { echo "No page in $build_dir: run ./check first" >&2; exit 1; }

raw=$(stat -c %s "$page")
gzipped=$(gzip -9c "$page" | wc -c)
kb() { echo "$(($1 / 1000)).$(($1 % 1000 / 100)) KB"; }
echo "size of tencoins.html: $(kb "$raw") raw (at most 150), $(kb "$gzipped") gzipped (at most 40)"
site=$build_dir/site
index=$(gzip -9c "$site/index.html" | wc -c)
rest=$(cat "$site/manifest.webmanifest" "$site/sw.js" "$site"/icon-*.png | wc -c)
echo "the site: index.html $(kb "$index") gzipped (at most 40); the rest of a first visit (manifest, worker, icons) $(kb "$rest") (at most 80)"
node "$(dirname "$0")/web.mjs" "$page" "$runs"
