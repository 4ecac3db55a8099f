#!/usr/bin/env bash
# scripts/export-windows.sh BUILD_DIR FORMAT EXTENSION OUTPUT_DIR: exports
# windows of generated traces with BUILD_DIR's tracetool, in FORMAT, into
# OUTPUT_DIR/window-SEED-FROM-COUNT.EXTENSION: for ten traces, the whole
# trace and three windows chosen at random (the same ones at every run),
# which start and end inside loops, calls and activations.
set -euo pipefail
build=${1:?usage: scripts/export-windows.sh BUILD_DIR FORMAT EXTENSION OUTPUT_DIR}
format=${2:?}
extension=${3:?}
out=${4:?}
tool="$build/tools/tracetool/tracetool"
traces=$(mktemp -d)
trap 'rm -rf "$traces"' EXIT
RANDOM=1
for seed in 1 2 3 4 5 6 7 8 9 10; do
    "$build/tests/generate-trace" "$seed" 600 "$traces"
    trace="$traces/generated-$seed.tdf"
    objects=$("$tool" dump "$traces/generated.qares" "$trace" 2>/dev/null | wc -l)
    windows="0:$objects"
    for _ in 1 2 3; do
        windows="$windows $((RANDOM % objects)):$((10 + RANDOM % 200))"
    done
    for window in $windows; do
        from=${window%:*}
        count=${window#*:}
        "$tool" export --format "$format" --from "$from" --count "$count" \
            -o "$out/window-$seed-$from-$count.$extension" "$traces/generated.qares" "$trace" 2>/dev/null
    done
done
