#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installing what is missing survives a mirror that fails an index: apt-get update is tried three
# times, then the install goes on; only a package that cannot be installed fails it, by name and
# with apt's reason. Against stand-ins for apt-get and dpkg-query, with no network and no root.
set -euo pipefail
stand_ins=$(mktemp -d)
trap 'rm -rf "$stand_ins"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# apt-get: update fails while $stand_ins/failing-updates counts down, or for ever without it;
# install records what it is asked for, and refuses "unknown".
cat >"$stand_ins/apt-get" <<'STAND_IN'
#!/bin/bash
log=$(dirname "$0")/calls
echo "$*" >>"$log"
case " $* " in
*" update "*)
    left=$(cat "$(dirname "$0")/failing-updates" 2>/dev/null || echo forever)
    [ "$left" = 0 ] && exit 0
    [ "$left" = forever ] || echo $((left - 1)) >"$(dirname "$0")/failing-updates"
    echo "E: Failed to fetch http://mirror/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
*" unknown "*) echo "E: Unable to locate package unknown"; exit 100 ;;
esac
STAND_IN
printf '#!/bin/sh\nexit 1\n' >"$stand_ins/dpkg-query"
printf '#!/bin/sh\nexec "$@"\n' >"$stand_ins/sudo"
chmod +x "$stand_ins"/*

# install PACKAGE...: runs the install step as ./play and ./check do, in a fresh shell; sets said.
install() {
    rm -f "$stand_ins/calls"
    said=$(PATH="$stand_ins:$PATH" APT_RETRY_PAUSE=0 bash -c 'set -euo pipefail
        source "$1/tools/setup.sh"; shift; install_missing_packages "$@"' - \
        "$(dirname "$0")/.." "$@" 2>&1) && status=0 || status=$?
}
calls() { grep -c "$1" "$stand_ins/calls" || true; }

install qt6-base-dev xvfb
[ "$status" -eq 0 ] || fail "a failing index stopped the install: $said"
[ "$(calls update)" -eq 3 ] || fail "apt-get update was tried $(calls update) times, not 3"
grep -q 'install .*qt6-base-dev xvfb' "$stand_ins/calls" || fail "nothing was installed after the failing index"
[[ $said == *binary-i386/Packages.xz* ]] || fail "the failing index was not named: $said"
echo "PASS: an index failing three times is named, and the packages are installed all the same"

echo 1 >"$stand_ins/failing-updates"
install xvfb
[ "$status" -eq 0 ] && [ "$(calls update)" -eq 2 ] && [[ $said != *Packages.xz* ]] \
    || fail "an index failing once: status $status, $(calls update) updates, said: $said"
echo "PASS: an index failing once is tried again, and nothing is reported"

install xvfb unknown
[ "$status" -ne 0 ] || fail "a package apt cannot install did not fail the install"
[[ $said == *"Installing xvfb unknown failed"*"Unable to locate package unknown"* ]] \
    || fail "the failure does not name the package and apt's reason: $said"
echo "PASS: a package apt cannot install fails the install, named with apt's reason"

# The two commands refuse what they do not know, before they install or build anything.
rm -f "$stand_ins/calls"
for command in "play --wbe" "check --quik" "play --web extra"; do
    said=$(PATH="$stand_ins:$PATH" "$(dirname "$0")/../${command%% *}" ${command#* } 2>&1) && status=0 || status=$?
    [ "$status" -eq 2 ] && [[ $said == "usage: ./${command%% *} "* ]] && [ ! -e "$stand_ins/calls" ] \
        || fail "./$command: status $status, said: $said"
done
echo "PASS: ./play and ./check refuse an argument they do not know, with a usage line"

for command in "play --help" "check -h"; do
    said=$(PATH="$stand_ins:$PATH" "$(dirname "$0")/../${command%% *}" ${command#* } 2>/dev/null) && status=0 || status=$?
    [ "$status" -eq 0 ] && [[ $said == "usage: ./${command%% *} "* ]] && [ "$(echo "$said" | grep -c '^  \./')" -ge 3 ] \
        && [ ! -e "$stand_ins/calls" ] || fail "./$command: status $status, said: $said"
done
echo "PASS: ./play --help and ./check -h print their usage, an option a line, and end with status 0"

# On a machine with nothing installed, ./play --web asks for what the page's build and launch run:
# each program of theirs, with the package that brings it.
PATH="$stand_ins:$PATH" DISPLAY= WAYLAND_DISPLAY= APT_RETRY_PAUSE=0 "$(dirname "$0")/../play" --web >/dev/null 2>&1 || true
asked=" $(grep -E '(^| )install ' "$stand_ins/calls" | tr '\n' ' ') "
for needed in cmake:cmake ninja:ninja-build em++:emscripten node:nodejs rsvg-convert:librsvg2-bin \
    pngquant:pngquant optipng:optipng chromium:chromium; do
    [[ $asked == *" ${needed#*:} "* ]] || fail "./play --web does not install ${needed#*:}, for ${needed%%:*}: it asked for$asked"
done
echo "PASS: ./play --web installs every program the page's build and launch run"
