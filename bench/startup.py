#!/usr/bin/env python3
"""Start-up benchmark: time from process start to the main window first shown,
and peak memory, for Sorvelin and for a minimal Qt window program (the floor).

Usage: bench/startup.py BUILD-DIR [RUNS]   (needs a display: run under xvfb-run)
"""
import os
import statistics
import subprocess
import sys
import time


def run_once(path, *args):
    start = time.monotonic()
    proc = subprocess.Popen([path, *args], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    out = proc.stdout.read().decode()
    _, status, usage = os.wait4(proc.pid, 0)
    if status != 0 or "shown" not in out:
        raise SystemExit(f"{path} failed: status {status}, output {out!r}")
    shown = float(out.split()[1])
    return shown - start, usage.ru_maxrss / 1024.0


def measure(path, runs, *args):
    run_once(path, *args)  # warm the file cache
    times, peaks = zip(*(run_once(path, *args) for _ in range(runs)))
    return statistics.median(times), statistics.median(peaks)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    program = measure(os.path.join(build, "sorvelin-startup-bench"), runs)
    floor = os.path.join(build, "bench", "qt-window-floor")
    rows = [("Sorvelin", program), ("blank floor", measure(floor, runs)),
            ("text floor", measure(floor, runs, "text"))]
    print(f"{'':14}{'start-up (ms)':>15}{'peak RSS (MiB)':>16}{'time ratio':>12}{'RSS ratio':>11}")
    for name, (seconds, rss) in rows:
        print(f"{name:14}{seconds * 1000:15.1f}{rss:16.1f}"
              f"{program[0] / seconds:12.2f}{program[1] / rss:11.2f}")


if __name__ == "__main__":
    main()
