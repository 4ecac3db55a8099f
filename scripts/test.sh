#!/usr/bin/env bash
# scripts/test.sh [BUILD_DIR [cmake options...]]: builds and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ $# -gt 0 ] && shift
"$root/scripts/build.sh" "$build" "$@"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
