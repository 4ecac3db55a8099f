#!/bin/sh
# Draws the bundled example trace as a sequence diagram with tracetool
# render, in SVG and in PNG, then a component view of it (Sensor and
# Controller folded into one participant), writes it as an interactive
# viewer page with tracetool html, and prints where they are.
#   scripts/demo-render.sh BUILD_DIR OUTPUT_DIR
# BUILD_DIR is a configured and built tree of this project; the files are
# written in OUTPUT_DIR (created when missing) as sequence.svg, sequence.png,
# components.png and trace.html.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUTPUT_DIR" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$(cd "$1" && pwd)/tools/tracetool/tracetool
if [ ! -x "$tool" ]; then
    echo "$0: $tool not found; build the tracetool target first" >&2
    exit 2
fi
mkdir -p "$2"
out=$(cd "$2" && pwd)
config="$root/examples/config/sequence.qares"
trace="$root/examples/traces/rtos.tdf"
for format in svg png; do
    "$tool" render -o "$out/sequence.$format" "$config" "$trace"
    echo "sequence diagram: $out/sequence.$format"
done
"$tool" render --component 'Sensor|Controller=Control' -o "$out/components.png" "$config" "$trace"
echo "component view: $out/components.png"
"$tool" html -o "$out/trace.html" "$config" "$trace"
echo "interactive viewer (open in a browser): $out/trace.html"
