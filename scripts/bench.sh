#!/usr/bin/env bash
# scripts/bench.sh [BUILD_DIR]: builds the benchmarks in release mode and runs
# the trace layer's benchmarks, which end with a table of ratios.  Traces are
# generated once into BUILD_DIR/bench_traces; SSV_BENCH_EVENTS sets their
# size N (200000 events; the big trace has 10 N).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DSTACKSIZEVIEW_BUILD_BENCH=ON -DSTACKSIZEVIEW_BUILD_TESTS=OFF
cd "$build"
./bench/bench_trace
./bench/bench_compare
