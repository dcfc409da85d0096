#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package: built, checked with lintian, installed, played under Xvfb from where it was
# installed, removed; a tencoins the player had installed is then installed again as it was.
# Usage: tests/package.sh BUILD_DIR   (needs root, or sudo, and dpkg-repack)
set -euo pipefail
build_dir=$(cd "$1" && pwd)
tests_dir=$(cd "$(dirname "$0")" && pwd)
id=org.tencoins.tencoins

fail() { echo "FAIL: $*" >&2; exit 1; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

(cd "$build_dir" && cpack -G DEB >/dev/null 2>&1) || fail "cpack could not build the package"
package=$(ls "$build_dir"/tencoins_*.deb)

# Debian's own checks, pedantic ones included: any error or warning fails. Info tags are shown;
# one that is meant to stay needs an override with its reason.
status=0
report=$(lintian --pedantic -I --fail-on error,warning "$package" 2>&1) || status=$?
report=$(echo "$report" | grep -v 'running with root privileges' || true)
[ -z "$report" ] || echo "$report"
[ $status -eq 0 ] || fail "lintian found errors or warnings in $(basename "$package")"
echo "PASS: lintian --pedantic finds no error or warning"

apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >/dev/null 2>&1; }
installed() { { dpkg-query -W -f='${Status} ${Version}' tencoins 2>/dev/null || true; } | sed -n 's/^install ok installed //p'; }

# The player's own installed game, kept as a package made from what is installed.
players=$(installed)
kept=$(mktemp -d)
if [ -n "$players" ]; then
    (cd "$kept" && as_root dpkg-repack tencoins >/dev/null 2>&1) \
        || fail "could not keep the installed tencoins $players to put it back"
fi
put_back() {
    if [ -n "$players" ]; then
        apt_get install --reinstall "$kept"/tencoins_*.deb || echo "FAIL: could not put back tencoins $players" >&2
    else
        apt_get remove tencoins || true
    fi
    as_root rm -rf "$kept"
}
trap put_back EXIT

apt_get install --reinstall "$package" || fail "apt-get could not install $package"
echo "PASS: installed $(basename "$package")"

files=(/usr/games/tencoins /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/man/man6/tencoins.6.gz
    /usr/share/doc/tencoins/copyright /usr/share/doc/tencoins/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    files+=(/usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
for file in "${files[@]}"; do
    [ -f "$file" ] || fail "the package did not install $file"
done
desktop-file-validate /usr/share/applications/$id.desktop
echo "PASS: the program, menu entry, metainfo, icons, manual and licence are where they belong"

# With the tests' own settings and caches, as in the build's tests.
test_home=$build_dir/test-home
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$test_home/config XDG_CACHE_HOME=$test_home/cache \
    XDG_DATA_HOME=$test_home/data XDG_STATE_HOME=$test_home/state dbus-run-session -- "$tests_dir/a11ybus.sh" \
    xvfb-run -a -s "-screen 0 640x480x24" \
    "$tests_dir/e2e.sh" --reader "$tests_dir/read_atspi.py" /usr/games/tencoins

apt_get remove tencoins
[ ! -e /usr/games/tencoins ] || fail "removing the package left /usr/games/tencoins behind"
echo "PASS: removed the package"

trap - EXIT
put_back
[ "$(installed)" = "$players" ] || fail "tencoins was '${players:-not installed}' before the test, and is '$(installed)' now"
echo "PASS: tencoins is as the test found it: ${players:-not installed}"
