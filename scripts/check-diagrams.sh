#!/usr/bin/env bash
# scripts/check-diagrams.sh BUILD_DIR: draws the diagrams that BUILD_DIR's
# tracetool exports of the example traces and of windows of generated traces
# (scripts/export-windows.sh), and the committed expected diagrams
# (tests/golden), with the real tools: PlantUML with Debian's plantuml,
# context diagrams with Graphviz's dot.  Fails when a tool reports an error
# or a warning, or draws an error instead of a diagram.  Mermaid's renderer:
# scripts/check-mermaid.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/check-diagrams.sh BUILD_DIR}
tool="$build/tools/tracetool/tracetool"
config="$root/examples/config/sequence.qares"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Exports every example trace; a trace with errors (mistakes.tdf, exit
# status 1) is exported all the same.
export_examples() {
    local format=$1 extension=$2
    shift 2
    for trace in "$root"/examples/traces/*.tdf; do
        local status=0
        "$tool" export --format "$format" "$@" -o "$out/export-$(basename "$trace" .tdf).$extension" "$config" \
            "$trace" 2>/dev/null || status=$?
        if [ "$status" -gt 1 ]; then
            echo "tracetool export --format $format failed on $trace" >&2
            exit 1
        fi
    done
}

echo "== PlantUML draws the exported sequence diagrams =="
export_examples plantuml puml --time-format '%ss %mms %uus'
"$tool" export --format plantuml --component 'Sensor|Controller=Control' -o "$out/export-components.puml" "$config" \
    "$root/examples/traces/rtos.tdf"
"$root/scripts/export-windows.sh" "$build" plantuml puml "$out"
cp "$root"/tests/golden/*.puml "$out/"
if ! plantuml -tsvg -charset UTF-8 "$out"/*.puml; then
    echo "plantuml refused a diagram" >&2
    exit 1
fi
if grep -l -e 'Syntax Error?' -e 'An error has occured' -e 'NaN' "$out"/*.svg; then
    echo "plantuml drew an error instead of the diagrams above" >&2
    exit 1
fi
echo "$(ls "$out"/*.puml | wc -l) diagrams drawn without error"

echo "== Graphviz draws the exported context diagrams =="
export_examples dot dot
"$root/scripts/export-windows.sh" "$build" dot dot "$out"
cp "$root"/tests/golden/*.dot "$out/"
for diagram in "$out"/*.dot; do
    if ! dot -Tsvg -o "${diagram%.dot}.dot.svg" "$diagram" 2>"$out/dot-messages" || [ -s "$out/dot-messages" ]; then
        echo "dot refused or warned about $(basename "$diagram"):" >&2
        cat "$out/dot-messages" >&2
        exit 1
    fi
done
echo "$(ls "$out"/*.dot | wc -l) diagrams drawn without error or warning"
