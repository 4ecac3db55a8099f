"""Benchmark of tracetool html and its page, as ratios measured in one run on
generated traces of 10^4 and 10^6 events (rows of the diagram):

- the page's size per event at 10^6 events;
- writing the page (tracetool html) against reading the trace (tracetool check);
- time to the first drawing at 10^6 events against 10^4;
- the time of a frame while scrolling at 10^6 events against 10^4.

    /usr/bin/python3 bench/bench_html.py [BUILD_DIR] [--events SMALL LARGE]

Needs a built tracetool and Debian's chromium, chromium-driver and
python3-selenium.  Traces and pages go to BUILD_DIR/bench_html/.
"""
import argparse
import os
import resource
import statistics
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
import make_trace  # noqa: E402
from headless_chromium import chromium  # noqa: E402

CONFIG = os.path.join(ROOT, "examples", "config", "sequence.qares")
SCROLL_FRAMES = 300


def best_time(command, runs=3):
    """The shortest wall time and the shortest processor time (user and
    system) of a few runs of a command: on a machine shared with other work
    the processor time is the steadier of the two."""
    walls, processors = [], []
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        started = time.perf_counter()
        subprocess.run(command, check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        walls.append(time.perf_counter() - started)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        processors.append(after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime)
    return min(walls), min(processors)


def measure_page(driver, page):
    """Time to the first drawing and to the whole trace decoded (ms from the
    start of navigation; the best of three loads, the first of which also
    warms the browser up), and the median time of a frame while scrolling,
    the canvas's pixels made each time."""
    loads = []
    for _ in range(3):
        driver.get("about:blank")
        driver.get("file://" + page)
        driver.execute_async_script("const done = arguments[arguments.length - 1];"
                                    "traceViewer.ready.then(() => done(0), (e) => done(String(e)));")
        loads.append(driver.execute_script("return [traceViewer.stats.firstDraw, traceViewer.stats.ready]"))
    first_draw, ready = min(load[0] for load in loads), min(load[1] for load in loads)
    frames = driver.execute_script("""
        const canvas = document.getElementById('diagram').getContext('2d');
        const times = [];
        traceViewer.select(Math.floor(traceViewer.eventCount / 2));
        for (let i = 0; i < arguments[0]; ++i) {
            const started = performance.now();
            traceViewer.scrollBy(i % 7 === 0 ? 37 : 0, 97);
            traceViewer.drawNow();
            canvas.getImageData(0, 0, 1, 1);
            times.push(performance.now() - started);
        }
        return times;""", SCROLL_FRAMES)
    return first_draw, ready, statistics.median(frames)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build"))
    parser.add_argument("--events", nargs=2, type=int, default=[10_000, 1_000_000])
    arguments = parser.parse_args()
    build = os.path.abspath(arguments.build)
    tool = os.path.join(build, "tools", "tracetool", "tracetool")
    folder = os.path.join(build, "bench_html")
    os.makedirs(folder, exist_ok=True)
    results = {}
    driver = chromium(1280, 900)
    try:
        for events in arguments.events:
            trace = os.path.join(folder, f"trace-{events}.tdf")
            page = os.path.join(folder, f"trace-{events}.html")
            if not os.path.exists(trace):
                make_trace.write_trace(trace, events)
            read, read_cpu = best_time([tool, "check", CONFIG, trace])
            write, write_cpu = best_time([tool, "html", "-o", page, CONFIG, trace])
            first_draw, ready, frame = measure_page(driver, page)
            rows = driver.execute_script("return traceViewer.eventCount")
            results[events] = dict(rows=rows, size=os.path.getsize(page), read=read, write=write, read_cpu=read_cpu,
                                   write_cpu=write_cpu, first_draw=first_draw, ready=ready, frame=frame)
            print(f"{events:>9} events: {rows} rows, page {os.path.getsize(page) / 1e6:.2f} MB, "
                  f"check {read:.2f} s ({read_cpu:.2f} s processor), html {write:.2f} s ({write_cpu:.2f} s processor), "
                  f"first drawing {first_draw:.0f} ms, "
                  f"all decoded {ready:.0f} ms, frame {frame:.2f} ms")
    finally:
        driver.quit()
    small, large = (results[e] for e in arguments.events)
    print()
    print(f"{'measure':<52} {'value':>8}   goal")
    print(f"{'bytes per event at ' + str(arguments.events[1]):<52} {large['size'] / large['rows']:>8.2f}   <= 16")
    print(f"{'html / check (writing against reading), wall time':<52} {large['write'] / large['read']:>8.2f}   <= 2")
    print(f"{'html / check (writing against reading), processor':<52} {large['write_cpu'] / large['read_cpu']:>8.2f}   <= 2")
    print(f"{'first drawing, large / small':<52} {large['first_draw'] / small['first_draw']:>8.2f}   <= 3")
    print(f"{'frame while scrolling, large / small':<52} {large['frame'] / small['frame']:>8.2f}   <= 1.5")


if __name__ == "__main__":
    main()
