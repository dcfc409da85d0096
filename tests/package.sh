#!/usr/bin/env bash
# The Debian package: built, installed, played under Xvfb from where it was installed, removed.
# Usage: tests/package.sh BUILD_DIR   (needs root, or sudo)
set -euo pipefail
build_dir=$(cd "$1" && pwd)
tests_dir=$(cd "$(dirname "$0")" && pwd)
id=org.tencoins.tencoins

fail() { echo "FAIL: $*" >&2; exit 1; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

(cd "$build_dir" && cpack -G DEB >/dev/null 2>&1) || fail "cpack could not build the package"
package=$(ls "$build_dir"/tencoins_*.deb)
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$package" >/dev/null 2>&1 \
    || fail "apt-get could not install $package"
trap 'as_root apt-get remove -y -qq tencoins >/dev/null 2>&1 || true' EXIT
echo "PASS: installed $(basename "$package")"

for file in /usr/bin/tencoins /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/icons/hicolor/48x48/apps/$id.png; do
    [ -f "$file" ] || fail "the package did not install $file"
done
desktop-file-validate /usr/share/applications/$id.desktop
echo "PASS: the program, menu entry, metainfo and icons are where desktops look for them"

xvfb-run -a -s "-screen 0 640x480x24" "$tests_dir/e2e.sh" /usr/bin/tencoins

as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tencoins >/dev/null
[ ! -e /usr/bin/tencoins ] || fail "removing the package left /usr/bin/tencoins behind"
echo "PASS: removed the package"
