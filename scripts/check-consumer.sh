#!/usr/bin/env bash
# scripts/check-consumer.sh BUILD_DIR: installs the built project into a
# temporary prefix, then builds and runs a tiny consumer project against it,
# with nothing but the installed run paths to find the libraries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: scripts/check-consumer.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cmake -S "$root/tests/consumer" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/build" >/dev/null
# A direct dependency on the host SDK would hide a product library that cannot find it.
if readelf -d "$work/build/consumer" | grep -q 'NEEDED.*libhostsdk'; then
    echo "consumer project: links the host SDK directly, so the check proves nothing" >&2
    exit 1
fi
env -u LD_LIBRARY_PATH "$work/build/consumer"
echo "consumer project: passed"
