#!/usr/bin/env bash
# scripts/build.sh [PRESET | BUILD_DIR] [cmake options...]: configures and
# builds the project, from a configure preset of CMakePresets.json (default,
# asan, fuzz, bench, package) in its folder, or in BUILD_DIR from the
# default preset; default: the default preset in ./build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/preset.sh"
ssv_use_build "${1:-default}"
[ $# -gt 0 ] && shift
"$root/scripts/install-deps.sh"
cmake --preset "$preset" -S "$root" -B "$build" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
