#!/bin/sh
# Draws the bundled example trace as a sequence diagram with tracetool
# render, in SVG and in PNG, writes it as an interactive viewer page with
# tracetool html, and prints where they are.
#   scripts/demo-render.sh BUILD_DIR OUTPUT_DIR
# BUILD_DIR is a configured and built tree of this project; the files are
# written in OUTPUT_DIR (created when missing) as sequence.svg, sequence.png
# and trace.html.
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
for format in svg png; do
    "$tool" render -o "$out/sequence.$format" "$root/examples/config/sequence.qares" "$root/examples/traces/rtos.tdf"
    echo "sequence diagram: $out/sequence.$format"
done
"$tool" html -o "$out/trace.html" "$root/examples/config/sequence.qares" "$root/examples/traces/rtos.tdf"
echo "interactive viewer (open in a browser): $out/trace.html"
