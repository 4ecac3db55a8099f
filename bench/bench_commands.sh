#!/usr/bin/env bash
# bench/bench_commands.sh [BUILD_DIR] [REPEAT]: whole commands, as a user
# waits for them (start, reading, the report, the teardown), in the release
# build BUILD_DIR (build-bench), on the traces that bench_trace generates
# into BUILD_DIR/bench_traces (SSV_BENCH_EVENTS sets N, as there).  Each command runs REPEAT times (3) and keeps
# its least processor time (user and system: other processes do not count)
# and peak resident memory.  It prints a table of ratios:
#   tracetool check over the 10 N-event mix and long-lived traces against
#   the floor, bench_floor reading the same lines; peak memory per event;
#   check and render of the last 200 events of every shape at 10 N events
#   against N.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-bench}" && pwd)
repeat=${2:-3}
tracetool=$build/tools/tracetool/tracetool
traces=$build/bench_traces
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && ./bench/bench_trace --benchmark_filter='^$' >"$work/generation" 2>&1)
configuration=$traces/generated.qares

# measure COMMAND...: "SECONDS KILOBYTES", the least processor time of
# REPEAT runs, from the kernel's account of the process (microseconds).  An
# exit status of 1 (reports in the trace) is expected; 2 and more are not.
measure() {
    /usr/bin/python3 - "$repeat" "$work" "$@" <<'PYTHON'
import os, subprocess, sys
repeat, work, command = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
best = None
for _ in range(repeat):
    with open(os.path.join(work, "stdout"), "wb") as out, open(os.path.join(work, "stderr"), "wb") as err:
        process = subprocess.Popen(command, stdout=out, stderr=err)
        _, status, usage = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) > 1:
        sys.exit("bench_commands.sh: %s failed (%d)" % (" ".join(command), os.waitstatus_to_exitcode(status)))
    run = (usage.ru_utime + usage.ru_stime, usage.ru_maxrss)
    best = run if best is None or run[0] < best[0] else best
print("%.4f %d" % best)
PYTHON
}

row() { printf '%-48s %10s %10s\n' "$1" "$2" "$3"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

# The last 200 events of a trace, drawn as SVG into the work folder.
renderWindow() {
    local trace=$1
    local objects
    objects=$("$tracetool" stats "$configuration" "$trace" 2>/dev/null | awk '$1 == "objects" { print $2 }')
    measure "$tracetool" render --from $((objects > 200 ? objects - 200 : 0)) --count 200 -o "$work/window.svg" \
        "$configuration" "$trace"
}

printf '\n%-48s %10s %10s\n' "measure" "result" "target"
n=${SSV_BENCH_EVENTS:-200000}
n=$((n > 1000 ? n : 1000))
tenN=$((10 * n))
for shape in mix long-lived; do
    trace=$traces/$shape-$tenN.tdf
    floor=$(measure "$build/bench/bench_floor" "$trace")
    check=$(measure "$tracetool" check "$configuration" "$trace")
    row "check $shape $tenN events / floor" "$(ratio "${check% *}" "${floor% *}")" "<= 6"
    if [[ $shape == mix ]]; then
        events=$(wc -l <"$trace")
        row "check: peak memory per event (bytes)" "$(ratio "$((${check#* } * 1024))" "$events")" "<= 200"
    fi
done
for trace in "$traces"/*-"$n".tdf; do
    shape=$(basename "$trace" "-$n.tdf")
    small=$(measure "$tracetool" check "$configuration" "$trace")
    large=$(measure "$tracetool" check "$configuration" "$traces/$shape-$tenN.tdf")
    row "check $shape 10N/N" "$(ratio "${large% *}" "${small% *}")" "<= 11"
    small=$(renderWindow "$trace")
    large=$(renderWindow "$traces/$shape-$tenN.tdf")
    row "render a window of $shape 10N/N" "$(ratio "${large% *}" "${small% *}")" "<= 11"
done
