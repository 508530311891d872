#!/usr/bin/env bash
# Builds the benchmarks in Release without sanitizers (build/bench) and runs every
# benchmark binary, printing its table; where the benchmark's folder has a compare.py,
# also prints its comparison table. JSON results go to build/bench/results/.
#   ./bench.sh [Google Benchmark flags...]   e.g. ./bench.sh --benchmark_filter=post
# Generated tables live in build/bench/bench-data (or $LORVENA_BENCH_DIR): keep it on a
# real disk, since adding and deleting rows wait for the disk to sync.
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
./setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLORVENA_BENCH=ON -DLORVENA_SANITIZE=OFF >/dev/null
cmake --build build/bench -j "$(nproc)"

results=$top/build/bench/results
mkdir -p "$results"
export LORVENA_BENCH_DIR=${LORVENA_BENCH_DIR:-$top/build/bench/bench-data}
mapfile -t bins < <(find build/bench/bench -type f -executable -not -path '*/CMakeFiles/*' | sort)
[ ${#bins[@]} -gt 0 ] || { echo "no benchmark binaries were built"; exit 1; }

status=0
for bin in "${bins[@]}"; do
  name=$(basename "$bin")
  area=$(basename "$(dirname "$bin")")
  echo "== $name"
  if ! "$bin" --benchmark_counters_tabular=true --benchmark_out="$results/$name.json" \
       --benchmark_out_format=json "$@"; then
    echo "   $name FAILED"; status=1; continue
  fi
  if [ -f "bench/$area/compare.py" ]; then
    echo
    python3 "bench/$area/compare.py" "$results/$name.json" || status=1
  fi
  echo
done
exit $status
