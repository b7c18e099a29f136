#!/bin/sh
# Runs the test suite through a CTest test preset (dev or asan), or of one
# configured build directory, then prints the seeds of the tests that played
# at random and repeats ctest's summary, so that the log closes with the line
# that says what ran. Tests that need a display get an Xvfb server of their
# own when DISPLAY is not set (tests/support/with-display.sh).
#
#   scripts/run-tests.sh <preset or build-dir> [extra ctest arguments...]
set -eu

target=$1
shift

if [ -d "$target" ]; then
    build_dir=$target
    set -- --test-dir "$build_dir" --output-on-failure --no-tests=error "$@"
else
    build_dir=build/$target
    set -- --preset "$target" "$@"
fi

# The tests that play at random append their seeds here; the file is printed
# after the run, whether it passed or not, so the log can replay any of them.
seed_log="$build_dir/Testing/random-seeds.log"
mkdir -p "$build_dir/Testing"
: >"$seed_log"

ctest_log="$build_dir/Testing/run-tests.log"
status_file="$build_dir/Testing/run-tests.status"
{
    status=0
    ctest "$@" || status=$?
    echo "$status" >"$status_file"
} 2>&1 | tee "$ctest_log"
status=$(cat "$status_file")
if [ -s "$seed_log" ]; then
    echo "Random seeds of this run:"
    sed 's/^/    /' "$seed_log"
    grep -E '^[0-9]+% tests passed' "$ctest_log" || true
fi
exit "$status"
