#!/bin/sh
# Works on the bundled example traces with tracetool: checks them (the
# trace of typical mistakes shows its positioned reports), counts what the
# example trace holds, prints the start of its dump, writes it back through
# the trace writer (and checks that), exports it as PlantUML and Mermaid
# diagrams and as a context diagram for Graphviz (drawn as SVG when dot is
# installed), and compares it with a changed copy as a test script checks a
# run against its golden run, also as a viewer page with the differences
# marked (diff.html).
# Usage: scripts/demo-traces.sh BUILD_DIR OUTPUT_DIR
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUTPUT_DIR" >&2
    exit 2
fi
tool="$(cd "$1" && pwd)/tools/tracetool/tracetool"
if [ ! -x "$tool" ]; then
    echo "$0: $tool not found; build the tracetool target first" >&2
    exit 2
fi
mkdir -p "$2"
out=$(cd "$2" && pwd)
cd "$(dirname "$0")/../examples"
config=config/sequence.qares

for trace in traces/blocks.tdf traces/rtos.tdf; do
    echo "-- tracetool check $trace"
    "$tool" check "$config" "$trace"
done
echo "-- tracetool check traces/mistakes.tdf (typical mistakes, exit status 1)"
"$tool" check "$config" traces/mistakes.tdf || [ $? -eq 1 ]
echo
echo "-- tracetool stats traces/rtos.tdf"
"$tool" stats "$config" traces/rtos.tdf
echo
echo "-- tracetool dump --time-format '%mms %uus' traces/rtos.tdf (first 12 objects)"
"$tool" dump --time-format '%mms %uus' "$config" traces/rtos.tdf | head -n 12
echo
echo "-- tracetool rewrite --times traces/rtos.tdf, then check what it wrote"
"$tool" rewrite --times -o "$out/rtos-rewritten.tdf" "$config" traces/rtos.tdf
"$tool" check "$config" "$out/rtos-rewritten.tdf"
echo "written: $out/rtos-rewritten.tdf"
echo
for format in plantuml mermaid; do
    extension=$([ $format = plantuml ] && echo puml || echo mmd)
    "$tool" export --format $format -o "$out/sequence.$extension" "$config" traces/rtos.tdf
    echo "$format diagram: $out/sequence.$extension"
done
"$tool" export --format dot -o "$out/context.dot" "$config" traces/rtos.tdf
echo "context diagram: $out/context.dot"
if command -v dot >/dev/null; then
    dot -Tsvg -o "$out/context.svg" "$out/context.dot"
    echo "context diagram drawn: $out/context.svg"
fi
echo
echo "-- tracetool diff traces/rtos.tdf against a changed copy (they differ: exit status 1)"
sed -e 's/^ME 12 100$/ME 13 100/' -e '/^AC 21 200$/d' -e 's/^TM 2000$/TM 2600/' traces/rtos.tdf >"$out/rtos-run.tdf"
"$tool" diff --time-tolerance 20% --context 1 --html "$out/diff.html" "$config" traces/rtos.tdf "$out/rtos-run.tdf" ||
    [ $? -eq 1 ]
echo "the run with the differences marked (open in a browser): $out/diff.html"
