#!/bin/sh
# Runs every benchmark of a configured bench build and prints their tables.
#   scripts/run-bench.sh <build-dir>
set -eu
build_dir=$1
"$build_dir/bench/bench_rules" --benchmark_min_time=0.2
