#!/usr/bin/env bash
# Whole processes side by side on the same files: `lzh d` against `lzh_baseline d` (the
# plain bit-by-bit decoder) on bench_lzhuf's two 5 MiB inputs, compressed by `lzh c`.
# Both outputs must equal the plain file before anything is timed. Prints hyperfine's
# median wall time and mean user and system time of each, and the speed-ups (on a busy
# machine wall time includes waiting for a core: compare user + system time too).
#   bench/lzhuf/processes.sh [BUILD_DIR]    default build/bench (./bench.sh runs it)
# LZH_OTHER=/path/to/another/lzh adds that build's `lzh d` as a third command (an older
# build, say). LZH_RUNS sets the runs per command (default 30).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench}
runs=${LZH_RUNS:-30}
command -v hyperfine >/dev/null || { echo "processes.sh: hyperfine is missing (./setup.sh installs it)"; exit 1; }
cmake --build "$build" --target lzh lzh_baseline lzhuf_bench_inputs >/dev/null
lzh=$build/tools/lzh/lzh
baseline=$build/bench/lzhuf/lzh_baseline
work=$build/results/lzhuf-processes
mkdir -p "$work"
"$build/bench/lzhuf/lzhuf_bench_inputs" "$work"

for name in vectors mixed; do
  in=$work/$name
  "$lzh" c "$in.plain" "$in.lzh"
  commands=(-n "lzh d" "$lzh d $in.lzh $in.out-lzh" -n "lzh_baseline d" "$baseline d $in.lzh $in.out-baseline")
  if [ -n "${LZH_OTHER:-}" ]; then
    commands+=(-n "other lzh d" "$LZH_OTHER d $in.lzh $in.out-other")
  fi
  # One run of each first: every output must be the plain file.
  "$lzh" d "$in.lzh" "$in.out-lzh"
  "$baseline" d "$in.lzh" "$in.out-baseline"
  [ -z "${LZH_OTHER:-}" ] || "$LZH_OTHER" d "$in.lzh" "$in.out-other"
  for out in "$in".out-*; do
    cmp -s "$out" "$in.plain" || { echo "processes.sh: $out differs from $in.plain"; exit 1; }
  done
  hyperfine -N --warmup 3 --runs "$runs" --style none --export-json "$work/$name.json" "${commands[@]}" >/dev/null
  python3 - "$work/$name.json" "$name" "$(stat -c %s "$in.lzh")" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
print(f"{sys.argv[2]}: 5 MiB from {int(sys.argv[3]) / 1048576:.2f} MiB, {len(results[0]['times'])} runs each")
print(f"  {'command':<16} {'median s':>9} {'MiB/s':>7} {'user s':>8} {'sys s':>8}")
for r in results:
    print(f"  {r['command']:<16} {r['median']:9.4f} {5 / r['median']:7.1f} {r['user']:8.4f} {r['system']:8.4f}")
base = next(r for r in results if r["command"] == "lzh_baseline d")
cpu = lambda r: r["user"] + r["system"]
for r in results:
    if r is not base:
        print(f"  {r['command']}: {base['median'] / r['median']:.2f}x the baseline's speed by median wall time, "
              f"{cpu(base) / cpu(r):.2f}x by user + system time")
PY
  rm -f "$in".out-*
done
