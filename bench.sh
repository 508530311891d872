#!/usr/bin/env bash
# Builds the benchmarks in Release without sanitizers (build/bench) and runs every
# benchmark binary (bench_*), printing its table; where the benchmark's folder has a
# compare.py, also prints its comparison table, and where it has a processes.sh (whole
# processes timed side by side), runs that too. JSON results go to build/bench/results/.
# Last, the skinned windows' benchmark under Wine (bench/skin_windows/run.sh).
#   ./bench.sh [Google Benchmark flags...]   e.g. ./bench.sh --benchmark_filter=post
# Generated tables live in build/bench/bench-data (or $LORVENA_BENCH_DIR): keep it on a
# real disk, since adding and deleting rows wait for the disk to sync.
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
./setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLORVENA_BENCH=ON -DLORVENA_SANITIZE=OFF >/dev/null
# Only the executables under bench/ (benchmarks and the tools they compare against, with
# everything they link), not the rest of the tree.
mapfile -t bins < <(ninja -C build/bench -t targets all | sed -nE 's#^(bench/[^:]*): CXX_EXECUTABLE_LINKER.*#\1#p' | sort)
[ ${#bins[@]} -gt 0 ] || { echo "no benchmark targets are configured"; exit 1; }
cmake --build build/bench -j "$(nproc)" --target "${bins[@]}"

results=$top/build/bench/results
mkdir -p "$results"
export LORVENA_BENCH_DIR=${LORVENA_BENCH_DIR:-$top/build/bench/bench-data}

status=0
for target in "${bins[@]}"; do
  bin=build/bench/$target
  name=$(basename "$bin")
  area=$(basename "$(dirname "$bin")")
  [[ $name == bench_* ]] || continue
  echo "== $name"
  if ! "$bin" --benchmark_counters_tabular=true --benchmark_out="$results/$name.json" \
       --benchmark_out_format=json "$@"; then
    echo "   $name FAILED"; status=1; continue
  fi
  if [ -f "bench/$area/compare.py" ]; then
    echo
    python3 "bench/$area/compare.py" "$results/$name.json" || status=1
  fi
  if [ -x "bench/$area/processes.sh" ]; then
    echo
    "bench/$area/processes.sh" build/bench || status=1
  fi
  echo
done

# The skinned windows under Wine, in the Windows tree that ./test.sh configured.
. tools/sh/arch.sh
lorvena_choose_wine_tree
if [ -f "build/$LORVENA_WINE_TREE/build.ninja" ]; then
  echo "== skin_windows_bench (build/$LORVENA_WINE_TREE, under Wine)"
  bench/skin_windows/run.sh "build/$LORVENA_WINE_TREE" || status=1
else
  echo "== skin_windows_bench skipped: build/$LORVENA_WINE_TREE is not configured (./test.sh does that)"
fi
exit $status
