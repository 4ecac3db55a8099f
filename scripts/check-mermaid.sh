#!/usr/bin/env bash
# scripts/check-mermaid.sh BUILD_DIR: draws with Mermaid's own renderer
# (@mermaid-js/mermaid-cli 11 from npm, with Debian's chromium) the committed
# expected Mermaid diagrams (tests/golden/*.mmd), the example traces as
# BUILD_DIR's tracetool exports them, and windows of generated traces
# (scripts/export-windows.sh); fails when the renderer refuses a diagram,
# reports an error or a warning, or draws an error or a NaN.  The tool is
# installed once under ~/.cache; node and npm come with the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: scripts/check-mermaid.sh BUILD_DIR}" && pwd)
tools=${XDG_CACHE_HOME:-$HOME/.cache}/stacksizeview-mermaid
if [ ! -x "$tools/node_modules/.bin/mmdc" ]; then
    mkdir -p "$tools"
    (cd "$tools" && PUPPETEER_SKIP_DOWNLOAD=1 npm install --no-audit --no-fund --silent @mermaid-js/mermaid-cli@11)
fi
browser=$(command -v chromium) || {
    echo "chromium is not installed (apt-get install chromium)" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir "$out/diagrams" "$out/drawn"
cp "$root"/tests/golden/*.mmd "$out/diagrams/"
for trace in "$root"/examples/traces/*.tdf; do
    "$build/tools/tracetool/tracetool" export --format mermaid -o "$out/diagrams/export-$(basename "$trace" .tdf).mmd" \
        "$root/examples/config/sequence.qares" "$trace" 2>/dev/null || [ $? -eq 1 ]
done
"$root/scripts/export-windows.sh" "$build" mermaid mmd "$out/diagrams"

# One document holding every diagram: the renderer starts its browser once.
document="$out/diagrams.md"
for diagram in "$out"/diagrams/*.mmd; do
    printf '%s\n\n```mermaid\n' "$(basename "$diagram")"
    cat "$diagram"
    printf '```\n\n'
done >"$document"
printf '{"executablePath": "%s", "args": ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update", "--disable-sync", "--no-first-run"]}\n' \
    "$browser" >"$out/puppeteer.json"
if ! "$tools/node_modules/.bin/mmdc" -p "$out/puppeteer.json" -i "$document" -o "$out/drawn/drawn.md" \
    >"$out/messages" 2>&1 || grep -i -e error -e warn "$out/messages" >/dev/null; then
    cat "$out/messages" >&2
    echo "mermaid refused the diagram after the last one drawn above, in this order:" $(cd "$out/diagrams" && ls) >&2
    exit 1
fi
if grep -l -e 'NaN' -e 'Syntax error' "$out"/drawn/*.svg; then
    echo "mermaid drew an error or a NaN in the diagrams above" >&2
    exit 1
fi
echo "$(ls "$out"/diagrams/*.mmd | wc -l) Mermaid diagrams drawn without error"
