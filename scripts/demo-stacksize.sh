#!/bin/sh
# Runs the stack-size viewer plug-in on the bundled example data through
# stacksize-host and prints where the report is.
#   scripts/demo-stacksize.sh BUILD_DIR OUTPUT_DIR
# BUILD_DIR is a configured and built tree of this project; the report and its
# exported copy are written in OUTPUT_DIR (created when missing).
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUTPUT_DIR" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
host=$build/tools/stacksize-host/stacksize-host
library=$build/libstacksizeview.so
for built in "$host" "$library"; do
    if [ ! -e "$built" ]; then
        echo "$0: $built not found: build the project in $1 first" >&2
        exit 1
    fi
done
mkdir -p "$2"
out=$(cd "$2" && pwd)
examples=$root/examples/stacksize

# The merge script writes its report in the host's current directory.
cd "$out"
"$host" --plugin "$library" \
    --scripts-dir "$examples" --interpreter perl --images-dir "$examples" \
    --node demo \
    --config qxz_maxstacksize=512 \
    --config qxz_securestacksize=256 \
    --config "qxz_extstksize=$examples/libc.ext" \
    --export "$out/stacksize-report.html" \
    "$examples/app.tsf" "$examples/drivers.tsf" "$examples/app.tzf"
echo "Report: $out/indexWSSreport.html (exported copy: $out/stacksize-report.html)"
