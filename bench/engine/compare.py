#!/usr/bin/env python3
"""Turns the JSON output of bench_engine into a table: operation | size | ours | SQLite | ratio.

Usage: compare.py [--cpu] RESULT.json [MORE.json ...]   (from --benchmark_out=RESULT.json)

Benchmarks are named "<operation>/<ours|sqlite>/<rows>[/real_time]". Those measured in
wall-clock time (adding, deleting, opening: they wait for the disk) are compared by real
time; the queries by CPU time, which other work on the machine disturbs less. With
--benchmark_repetitions the median is used. The ratio is ours / SQLite: below 1 means
the engine is faster. --cpu compares everything by CPU time, which helps on a machine
busy with other work (the disk waits of adding and deleting then do not show).
"""
import json
import sys

UNITS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def pretty(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def load(paths, cpu_only=False):
    results = {}   # (operation, size) -> {side: (ns, clock)}
    order = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        runs = data.get("benchmarks", [])
        repeated = any(r.get("run_type") == "aggregate" for r in runs)
        for r in runs:
            if repeated and r.get("aggregate_name") != "median":
                continue
            if "error_occurred" in r and r["error_occurred"]:
                continue
            parts = r.get("run_name", r["name"]).split("/")
            if len(parts) < 3 or parts[1] not in ("ours", "sqlite"):
                continue
            op, side, size = parts[0], parts[1], parts[2]
            wall = "real_time" in parts[3:] and not cpu_only
            value = r["real_time"] if wall else r["cpu_time"]
            ns = value * UNITS[r.get("time_unit", "ns")]
            key = (op, int(size))
            if key not in results:
                results[key] = {}
                order.append(key)
            results[key][side] = (ns, "real" if wall else "cpu")
    return order, results


def main(argv):
    args = argv[1:]
    cpu_only = "--cpu" in args
    paths = [a for a in args if a != "--cpu"]
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    order, results = load(paths, cpu_only)
    if not order:
        print("no bench_engine results found", file=sys.stderr)
        return 1
    rows = [("operation", "size", "ours", "SQLite", "ratio")]
    clocks = {}
    for op, size in order:
        sides = results[(op, size)]
        ours, sqlite = sides.get("ours"), sides.get("sqlite")
        clocks.setdefault((ours or sqlite)[1], []).append(op)
        ratio = f"{ours[0] / sqlite[0]:.2f}" if ours and sqlite and sqlite[0] > 0 else "-"
        rows.append((op, f"{size:,}".replace(",", " "),
                     pretty(ours[0]) if ours else "-", pretty(sqlite[0]) if sqlite else "-", ratio))
    for clock, ops in clocks.items():
        names = ", ".join(dict.fromkeys(ops))
        print(f"{'CPU' if clock == 'cpu' else 'wall-clock'} time: {names}")
    print()
    widths = [max(len(r[i]) for r in rows) for i in range(len(rows[0]))]
    for n, r in enumerate(rows):
        print(" | ".join(c.ljust(w) if i < 2 else c.rjust(w) for i, (c, w) in enumerate(zip(r, widths))))
        if n == 0:
            print("-+-".join("-" * w for w in widths))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
