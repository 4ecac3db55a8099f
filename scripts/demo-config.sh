#!/bin/sh
# Summarizes the bundled example trace configurations with tracetool.
# Usage: scripts/demo-config.sh BUILD_DIR
set -eu
if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
tool="$(cd "$1" 2>/dev/null && pwd)/tools/tracetool/tracetool" || tool="$1/tools/tracetool/tracetool"
if [ ! -x "$tool" ]; then
    echo "$0: $tool not found; build the tracetool target first" >&2
    exit 2
fi
cd "$(dirname "$0")/.."
exec "$tool" config examples/config/*.qares
