#!/usr/bin/env bash
# The main job on the bundled examples: builds the project (installing what is
# missing), runs the stack-size viewer plug-in through stacksize-host on
# examples/stacksize/ (report in out/demo/), summarizes the example trace
# configurations in examples/config/, checks, counts, dumps, rewrites, exports and
# compares the example traces in examples/traces/ (PlantUML and Mermaid diagrams, and
# the comparison's page, diff.html, in out/demo/), then draws examples/traces/rtos.tdf as a sequence diagram
# (out/demo/sequence.svg and sequence.png) and writes it as an interactive
# viewer page (out/demo/trace.html).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/build.sh" "$build"

echo "== stack-size report =="
"$root/scripts/demo-stacksize.sh" "$build" "$root/out/demo"
echo
echo "== trace configurations =="
"$root/scripts/demo-config.sh" "$build"
echo
echo "== traces =="
"$root/scripts/demo-traces.sh" "$build" "$root/out/demo"
echo
echo "== sequence diagram =="
"$root/scripts/demo-render.sh" "$build" "$root/out/demo"
