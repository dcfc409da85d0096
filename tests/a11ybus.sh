#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with the desktop's accessibility bus up, as a screen reader's desktop has it.
# Usage: dbus-run-session -- tests/a11ybus.sh COMMAND...
set -uo pipefail
# A runtime directory of its own: the launcher puts the bus's socket there (in ~/.cache when there
# is none), and two tests running side by side would otherwise connect to each other's bus.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
/usr/libexec/at-spi-bus-launcher 2>/dev/null &
launcher=$!
trap 'kill $launcher 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.05
done
"$@"
