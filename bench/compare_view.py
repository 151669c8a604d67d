#!/usr/bin/env python3
"""Runs view_bench cases of two builds in turn (the build before a change and
the change), each case in a fresh process so that its peak memory is its
own, and prints the medians of CPU time and peak memory side by side.

    bench/compare_view.py BEFORE_BUILD_DIR AFTER_BUILD_DIR ROUNDS CASE...

A case is a benchmark as view_bench names it, e.g. ViewBuildAndShow/1000 or
SwitchPage/10000. A case one build cannot run shows "-" for it."""
import json
import os
import statistics
import subprocess
import sys


def run(build, case):
    result = subprocess.run(
        [os.path.join(build, "bench", "view_bench"), f"--benchmark_filter=^{case}(/|$)",
         "--benchmark_repetitions=1", "--benchmark_format=json"],
        capture_output=True, text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    try:
        report = json.loads(result.stdout)
    except json.JSONDecodeError:
        return None  # the build does not have the case, or it failed
    runs = [b for b in report["benchmarks"]
            if b.get("run_type") == "iteration" and not b.get("error_occurred")]
    if not runs:
        return None
    unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[runs[0]["time_unit"]]
    peaks = [b["peak_MB"] for b in runs if "peak_MB" in b]
    return statistics.median(b["cpu_time"] for b in runs) * unit, max(peaks) if peaks else None


def main():
    before, after, rounds, cases = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4:]
    figures = {(build, case): [] for build in (before, after) for case in cases}
    for _ in range(rounds):
        for case in cases:
            for build in (before, after):
                figure = run(build, case)
                if figure:
                    figures[(build, case)].append(figure)

    def median(build, case, i):
        values = [f[i] for f in figures[(build, case)] if f[i] is not None]
        return statistics.median(values) if values else None

    print(f"{'case':28} {'before ms':>10} {'after ms':>10} {'ratio':>6} {'before MB':>10} {'after MB':>9}")
    for case in cases:
        b, a = median(before, case, 0), median(after, case, 0)
        bm, am = median(before, case, 1), median(after, case, 1)
        text = lambda v, f="{:.3g}": "-" if v is None else f.format(v)
        ratio = text(b / a if b and a else None, "{:.2f}")
        print(f"{case:28} {text(b):>10} {text(a):>10} {ratio:>6} {text(bm):>10} {text(am):>9}")


if __name__ == "__main__":
    main()
