#!/bin/sh
# Runs one test that needs a real X server: on $DISPLAY when it is set, else
# on a private Xvfb server started for this test and stopped after it, so
# that ctest alone runs the display tests on a machine without a display.
#
#   tests/support/with-display.sh <test program> [arguments...]
set -eu

if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

fifo_dir=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$fifo_dir"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

# -displayfd lets the server pick a free display number and report it, so that
# tests run side by side never share a server.
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo_dir/display" &
xvfb_pid=$!
read -r number <"$fifo_dir/display"
DISPLAY=":$number"
export DISPLAY

status=0
"$@" || status=$?
exit "$status"
