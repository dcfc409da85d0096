#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with the desktop's accessibility bus up, as a screen reader's desktop has it.
# Usage: dbus-run-session -- tests/a11ybus.sh COMMAND...
set -uo pipefail
/usr/libexec/at-spi-bus-launcher 2>/dev/null &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.05
done
"$@"
