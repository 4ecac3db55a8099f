#!/usr/bin/env bash
# scripts/fuzz.sh BUILD_DIR [SECONDS]: runs every fuzz target of a fuzz build
# (CXX=clang++, -DSTACKSIZEVIEW_BUILD_FUZZ=ON) for SECONDS (default 60),
# starting from its corpus in fuzz/corpus/NAME/.  The inputs it finds go to a
# scratch folder, not into the source tree.  A crash, leak or hang fails the
# run and leaves its input in BUILD_DIR/fuzz-artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for corpus in "$root"/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    target=$build/fuzz/$name
    if [ ! -x "$target" ]; then
        echo "$0: $target not found: configure $build with CXX=clang++ -DSTACKSIZEVIEW_BUILD_FUZZ=ON and build it" >&2
        exit 2
    fi
    mkdir "$scratch/$name"
    echo "fuzzing $name for $seconds s"
    if ! "$target" -max_total_time="$seconds" -timeout=25 -artifact_prefix="$artifacts/$name-" \
        "$scratch/$name" "$corpus" >"$scratch/$name.log" 2>&1; then
        tail -n 60 "$scratch/$name.log" >&2
        echo "$0: $name failed; its input is in $artifacts/" >&2
        exit 1
    fi
    tail -n 1 "$scratch/$name.log"
done
