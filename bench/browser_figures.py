#!/usr/bin/env python3
"""The browser page's figures beside the native paint's, as the README shows
them: for the busiest frame of the first city's flight at 1920 x 1080 and
3840 x 2160, the page's own timings in headless Chromium (PAINTS paints of
that frame: the WebAssembly paint alone, and with the hand-over to the
canvas; median and p99) and the steps a second it keeps up over ten seconds
of that frame, against kortalwind-bench's PaintFrame of the same frame.
Prints a Markdown table; takes about a minute.

    bench/browser_figures.py [BUILD_DIR [PAINTS]]
"""

import json
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser, page_url  # noqa: E402

SIZES = ("1920x1080", "3840x2160")
FIRST_CITY_SEED = 1  # the state the random source starts in: the first city
FLIGHT_SECONDS = 10


def native_paints(build):
    """kortalwind-bench's busiest paint at each size: its tick and its times in ms."""
    pattern = "^PaintFrame/(" + "|".join(SIZES) + ")$"
    out = subprocess.run([os.path.join(build, "bin", "kortalwind-bench"), "--benchmark_filter=" + pattern,
                          "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
                          "--benchmark_format=json"], check=True, capture_output=True, text=True).stdout
    figures = {}
    for run in json.loads(out)["benchmarks"]:
        if run.get("aggregate_name") != "median":
            continue
        size = run["run_name"].split("/")[-1]
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[run["time_unit"]]
        figures[size] = {"tick": int(run["tick"]), "real": run["real_time"] * scale, "cpu": run["cpu_time"] * scale}
    return figures


def p99(values):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(len(ordered) * 0.99))]


def browser_figures(page, size, tick, paints):
    width, height = (int(side) for side in size.split("x"))
    with Browser(width, height) as browser:
        browser.viewport(width, height)
        browser.open(page_url(page, seed=FIRST_CITY_SEED, fixed_tick=tick, fixed_size=size, bench=paints))
        figures = browser.wait_for("window.korTalwindBench", "the page's timings", deadline=FLIGHT_SECONDS + 120)
    return {"compose": figures["compose"], "total": figures["total"], "steps": figures["stepsPerSecond"]}


def main(build="build", paints="300"):
    page = os.path.join(build, "web", "kortalwind.html")
    load = os.getloadavg()
    native = native_paints(build)
    print(f"load average before: {load[0]:.1f} {load[1]:.1f} {load[2]:.1f}; {os.cpu_count()} processors")
    print("| Size | Native paint, real / cpu | Page paint, p50 / p99 | With the canvas, p50 / p99 "
          "| Page / native, paint and with the canvas | Steps/s |")
    print("|---|---|---|---|---|---|")
    for size in SIZES:
        n = native[size]
        b = browser_figures(page, size, n["tick"], int(paints))
        paint, total = statistics.median(b["compose"]), statistics.median(b["total"])
        print(f"| {size.replace('x', ' x ')} | {n['real']:.2f} / {n['cpu']:.2f} ms "
              f"| {paint:.2f} / {p99(b['compose']):.2f} ms | {total:.2f} / {p99(b['total']):.2f} ms "
              f"| {paint / n['real']:.2f}, {total / n['real']:.2f} | {b['steps']:.1f} |")
    load = os.getloadavg()
    print(f"load average after: {load[0]:.1f} {load[1]:.1f} {load[2]:.1f}")


if __name__ == "__main__":
    main(*sys.argv[1:])
