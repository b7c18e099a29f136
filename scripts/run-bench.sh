#!/bin/sh
# Runs every benchmark of a configured bench build and prints one table: each
# measured median with its goal and verdict; exits non-zero when a goal is
# missed. The benchmarks' own outputs go to <build-dir>/bench/results/.
#   scripts/run-bench.sh <build-dir>
# Start-up and idle run in a private Xvfb server that the harness starts
# itself; the other benchmarks use Qt's offscreen platform.
set -eu
build_dir=$1
bench=$build_dir/bench
results=$bench/results
mkdir -p "$results"

# run <log> <command...>: the command's output goes to the log, which is shown
# when the command fails.
run() {
    log=$1
    shift
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        echo "run-bench: $1 failed" >&2
        exit 1
    fi
}

echo "[1/4] rules alone (about 20 s)" >&2
run "$results/rules.log" "$bench/bench_rules" --benchmark_min_time=0.2 \
    --benchmark_repetitions=5 \
    --benchmark_out="$results/rules.json" --benchmark_out_format=json

echo "[2/4] Move and repaints on the real windows, offscreen (about 40 s)" >&2
run "$results/gui.log" env QT_SCALE_FACTOR=1 "$bench/bench_gui" --benchmark_min_time=0.2 \
    --benchmark_repetitions=7 --benchmark_enable_random_interleaving=true \
    --benchmark_out="$results/gui.json" --benchmark_out_format=json

echo "[3/4] repaints again at scale factor 2 (about 10 s)" >&2
run "$results/gui-scale-2.log" env QT_SCALE_FACTOR=2 "$bench/bench_gui" \
    --benchmark_filter=BM_RepaintBoard --benchmark_min_time=0.2 \
    --benchmark_repetitions=7 --benchmark_enable_random_interleaving=true \
    --benchmark_out="$results/gui-scale-2.json" --benchmark_out_format=json

echo "[4/4] start-up (also with a saved game) and first settled frame against the floor program, then idle," \
    "under Xvfb (about 3 minutes)" >&2
run "$results/startup.log" "$bench/bench_startup" \
    --game "$build_dir/src/app/hueriddle" --floor "$bench/hueriddle_floor" \
    --saved-game "$(dirname "$0")/../bench/data/seven-rows.saved-game" \
    --runs 30 --warmup 3 --frame-runs 30 --settle-ms 300 --idle-runs 3 --idle-seconds 10 \
    --out "$results/startup.json"

echo >&2
"$bench/bench_report" "$results/rules.json" "$results/gui.json" "$results/gui-scale-2.json" \
    "$results/startup.json"
