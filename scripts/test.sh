#!/usr/bin/env bash
# scripts/test.sh [PRESET | BUILD_DIR [cmake options...]]: builds and runs
# the whole test suite, each GoogleTest test its own ctest test.  PRESET:
# default (./build), asan (./build-asan, both sanitizers) or fuzz
# (./build-fuzz, clang); a BUILD_DIR is configured from the default preset
# and the options.  See scripts/build.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/preset.sh"
ssv_use_build "${1:-default}"
"$root/scripts/build.sh" "$@"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
