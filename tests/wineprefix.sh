#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Creates, afresh, a Wine prefix that Windows tests share. With a DPI, its desktop is scaled to it
# (144 makes a 96-dpi pixel one and a half); with "dark", its colours are a dark high-contrast
# scheme, white on black. Run it under xvfb-run, with WINEPREFIX set.
# Usage: tests/wineprefix.sh [DPI] [dark]
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix to create}"
# Where this Wine cannot run programs at all (32-bit ones on a kernel without them, or with no
# wine32), the test skips itself, with the system's words: status 77.
if ! wine_says=$("${WINELOADER:-wine}" --version 2>&1); then
    echo "SKIP: Wine cannot run programs here: ${wine_says##*: }"
    exit 77
fi
rm -rf "$WINEPREFIX"
"${WINELOADER:-wine}" wineboot --init
for setting in "$@"; do
    case $setting in
    dark)
        for colour in Background=0,0,0 Window=0,0,0 WindowText=255,255,255 ButtonFace=0,0,0 \
            ButtonText=255,255,255 ButtonShadow=128,128,128 ButtonHilight=255,255,255 \
            ButtonLight=255,255,255 ButtonDkShadow=192,192,192 WindowFrame=255,255,255 \
            GrayText=0,255,0 Hilight=26,235,255 HilightText=0,0,0 Menu=0,0,0 MenuText=255,255,255 \
            InfoWindow=0,0,0 InfoText=255,255,255 ActiveTitle=0,0,0 TitleText=255,255,255; do
            "${WINELOADER:-wine}" reg add 'HKCU\Control Panel\Colors' /v "${colour%%=*}" /t REG_SZ \
                /d "$(tr , ' ' <<<"${colour#*=}")" /f >/dev/null
        done ;;
    *) "${WINELOADER:-wine}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$setting" /f >/dev/null ;;
    esac
done
wineserver -w
echo "PASS: created the Wine prefix $WINEPREFIX${1:+ ($*)}"
