#!/bin/sh
# Runs a program on a D-Bus session bus of its own whose accessibility bus is
# on, as on a desktop where a screen reader runs: Qt's AT-SPI bridge is then
# active and sends the program's accessibility events. The bus, and the
# accessibility services it started, end with the program.
#
#   tests/app/board/with-screen-reader-bus.sh <program> [arguments...]
set -eu

if [ -z "${HUERIDDLE_SCREEN_READER_BUS:-}" ]; then
    HUERIDDLE_SCREEN_READER_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
exec "$@"
