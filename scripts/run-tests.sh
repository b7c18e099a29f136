#!/bin/sh
# Runs the whole test suite of one configured build directory with CTest.
# Tests that need a real X server get one: when DISPLAY is not set, a private
# Xvfb server is started for the run and stopped afterwards.
#
#   scripts/run-tests.sh <build-dir> [extra ctest arguments...]
set -eu

build_dir=$1
shift

xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT INT TERM

if [ -z "${DISPLAY:-}" ]; then
    # -displayfd lets the server pick a free display number and report it.
    fifo_dir=$(mktemp -d)
    mkfifo "$fifo_dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo_dir/display" &
    xvfb_pid=$!
    read -r number <"$fifo_dir/display"
    rm -rf "$fifo_dir"
    DISPLAY=":$number"
    export DISPLAY
    echo "Started Xvfb on $DISPLAY for the tests that need a display"
fi

# The tests that play at random append their seeds here; the file is printed
# after the run, whether it passed or not, so the log can replay any of them.
seed_log="$build_dir/Testing/random-seeds.log"
mkdir -p "$build_dir/Testing"
: >"$seed_log"

# ctest's summary is repeated after the seeds, so that the log still closes
# with the line that says what ran.
ctest_log="$build_dir/Testing/run-tests.log"
status_file="$build_dir/Testing/run-tests.status"
{
    status=0
    ctest --test-dir "$build_dir" --output-on-failure --no-tests=error "$@" || status=$?
    echo "$status" >"$status_file"
} 2>&1 | tee "$ctest_log"
status=$(cat "$status_file")
if [ -s "$seed_log" ]; then
    echo "Random seeds of this run:"
    sed 's/^/    /' "$seed_log"
    grep -E '^[0-9]+% tests passed' "$ctest_log" || true
fi
exit "$status"
