"""Traces of the example configuration's "RTOS" kind, of any length, for the
viewer's browser test and benchmark: tasks call each other (messages and
their returns, some nested), with notes, actions, loops, thread switches and
one long idle stretch in the middle.  The same arguments give the same trace.

    python3 make_trace.py EVENTS OUTPUT.tdf
"""
import random
import sys

TASKS = 12
MESSAGES = ["read", "write", "post", "process", "tick", "done"]


def write_trace(path, events, seed=1, idle_gap=5_000_000):
    """Writes about `events` events (rows of the diagram); returns what a test needs to know of
    them: how many messages carry each name, and how many notes there are."""
    rng = random.Random(seed)
    lines = ['DB "RTOS"', "ID 1 0"]
    lines += [f'IN "task" {t + 1} "Task{t}"' for t in range(TASKS)]
    lines += [f'MS {50 + m} "{name}"' for m, name in enumerate(MESSAGES)]
    lines += ['TX 80 "watchdog kick"', 'TX 81 "control cycle"', "ED", 'TU "us"', "SF 1 1 0", 'TI 1 1 3 "main"']
    lines += [f"NI {t + 1} {100 + t}" for t in range(TASKS)]
    counts = {"named": {name: 0 for name in MESSAGES}, "notes": 0, "idle_after": None}
    time, rows, cycle = 1000, 0, 0
    while rows < events:
        cycle += 1
        time += rng.randint(1, 20)
        if counts["idle_after"] is None and rows >= events // 2:
            counts["idle_after"] = time
            time += idle_gap
        sender, receiver = rng.sample(range(TASKS), 2)
        model = rng.randrange(len(MESSAGES))
        block = [f"TM {time}", f"CI {100 + sender}"]
        if cycle % 40 == 0:
            block.append("LS 3")
        if rng.random() < 0.05:
            block.append(f'NO "sample {cycle}"')
            counts["notes"] += 1
        if rng.random() < 0.3:
            block.append(f'ME {50 + model} {100 + receiver} "{MESSAGES[model]}({cycle})"')
            counts["named"][MESSAGES[model]] += 1
        else:
            block.append(f"ME {50 + model} {100 + receiver}")
        if rng.random() < 0.2:
            inner = rng.choice([t for t in range(TASKS) if t not in (sender, receiver)])
            block += [f"TM {time + 1}", f"ME 54 {100 + inner}", "MR"]
        if rng.random() < 0.05:
            block.append(f"AC 80 {100 + receiver}")
        block += [f"TM {time + 2}", "MR"]
        if cycle % 40 == 0:
            block.append("LE")
        if rng.random() < 0.03:
            block.append(f'TI {2 + rng.randrange(3)} 1 1 "irq{rng.randrange(3)}"')
        lines += block
        rows += sum(1 for line in block if line[:2] in ("ME", "MR", "AC", "LS", "LE"))
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    return counts


if __name__ == "__main__":
    write_trace(sys.argv[2], int(sys.argv[1]))
