#!/usr/bin/env bash
# scripts/bench.sh: builds the benchmarks from the bench preset (release, in
# ./build-bench) and runs the trace layer's benchmarks, which end with a
# table of ratios, the renderer's scaling, the whole commands
# (bench/bench_commands.sh) and the comparison.  Traces are generated once into build-bench/bench_traces;
# SSV_BENCH_EVENTS sets their size N (200000 events; the big trace has 10 N).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" bench
cd "$root/build-bench"
./bench/bench_trace
./bench/bench_render --benchmark_filter='^(window|whole)/'
"$root/bench/bench_commands.sh" "$root/build-bench"
./bench/bench_compare
