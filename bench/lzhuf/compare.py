#!/usr/bin/env python3
"""Turns the JSON output of bench_lzhuf into a table: input | ours MB/s | baseline MB/s | speed-up.

Usage: compare.py RESULT.json   (from --benchmark_out=RESULT.json)

Expansion benchmarks are named "BM_LzhufExpand/<input>" (ours) and
"BM_LzhufBaselineExpand/<input>" (the plain bit-by-bit decoder). Throughput is in MB/s of
expanded bytes (Google Benchmark's bytes_per_second, by CPU time, which other work on the
machine disturbs less than wall time). With --benchmark_repetitions the median is used.
"""
import json
import sys


def main(path):
    with open(path, encoding="utf-8") as f:
        runs = json.load(f).get("benchmarks", [])
    repeated = any(r.get("run_type") == "aggregate" for r in runs)
    speed = {}  # (side, input) -> bytes per second
    inputs = []
    for r in runs:
        if repeated and r.get("aggregate_name") != "median":
            continue
        if r.get("error_occurred") or "bytes_per_second" not in r:
            continue
        parts = r.get("run_name", r["name"]).split("/")
        side = {"BM_LzhufExpand": "ours", "BM_LzhufBaselineExpand": "baseline"}.get(parts[0])
        if side is None or len(parts) < 2:
            continue
        speed[(side, parts[1])] = r["bytes_per_second"]
        if parts[1] not in inputs:
            inputs.append(parts[1])
    if not inputs:
        print("compare.py: no expansion results in", path)
        return 1
    print(f"{'expansion':<10} {'ours MB/s':>10} {'baseline MB/s':>14} {'speed-up':>9}")
    for name in inputs:
        ours, base = speed.get(("ours", name)), speed.get(("baseline", name))
        cell = lambda v: f"{v / 1e6:.1f}" if v else "-"
        ratio = f"{ours / base:.2f}x" if ours and base else "-"
        print(f"{name:<10} {cell(ours):>10} {cell(base):>14} {ratio:>9}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
