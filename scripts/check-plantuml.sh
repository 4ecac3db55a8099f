#!/usr/bin/env bash
# scripts/check-plantuml.sh BUILD_DIR: draws with Debian's plantuml the
# PlantUML diagrams of the example traces, as BUILD_DIR's tracetool exports
# them, and the committed expected diagrams (tests/golden); fails when
# plantuml reports a syntax error or draws an error instead of a diagram.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/check-plantuml.sh BUILD_DIR}
echo "== PlantUML draws the exported diagrams =="
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for trace in "$root"/examples/traces/*.tdf; do
    name=$(basename "$trace" .tdf)
    status=0
    "$build/tools/tracetool/tracetool" export --format plantuml --time-format '%ss %mms %uus' \
        -o "$out/export-$name.puml" "$root/examples/config/sequence.qares" "$trace" 2>/dev/null || status=$?
    # 1: the trace has errors (mistakes.tdf), and its diagram is written all the same.
    if [ "$status" -gt 1 ]; then
        echo "tracetool export failed on $trace" >&2
        exit 1
    fi
done
cp "$root"/tests/golden/*.puml "$out/"
if ! plantuml -tsvg -charset UTF-8 "$out"/*.puml; then
    echo "plantuml refused a diagram" >&2
    exit 1
fi
if grep -l -e 'Syntax Error?' -e 'An error has occured' "$out"/*.svg; then
    echo "plantuml drew an error instead of the diagrams above" >&2
    exit 1
fi
echo "$(ls "$out"/*.svg | wc -l) diagrams drawn without error"
