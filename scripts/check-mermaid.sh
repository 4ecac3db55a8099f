#!/usr/bin/env bash
# scripts/check-mermaid.sh: draws the committed expected Mermaid diagrams
# (tests/golden/*.mmd) with Mermaid's own command-line tool, which parses
# them as Mermaid does; fails on the first diagram it refuses.  Needs node
# and npm, and Debian's chromium as the browser (Puppeteer's own download
# is skipped); the tool is installed once under ~/.cache.  Not run by CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tools=${XDG_CACHE_HOME:-$HOME/.cache}/stacksizeview-mermaid
if [ ! -x "$tools/node_modules/.bin/mmdc" ]; then
    mkdir -p "$tools"
    (cd "$tools" && PUPPETEER_SKIP_DOWNLOAD=1 npm install --no-audit --no-fund --silent @mermaid-js/mermaid-cli)
fi
browser=$(command -v chromium) || {
    echo "chromium is not installed (apt-get install chromium)" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '{"executablePath": "%s", "args": ["--no-sandbox"]}\n' "$browser" >"$out/puppeteer.json"
for diagram in "$root"/tests/golden/*.mmd; do
    "$tools/node_modules/.bin/mmdc" --quiet -p "$out/puppeteer.json" -i "$diagram" -o "$out/$(basename "$diagram").svg"
    echo "drawn: $(basename "$diagram")"
done
