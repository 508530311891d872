#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and runs each
# for the given number of seconds (default 60). Corpora are kept in build/fuzz/corpus/.
#   ./fuzz.sh [SECONDS] [TARGET...]
set -eu
cd "$(dirname "$0")"
secs=${1:-60}; shift || true
./setup.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLORVENA_FUZZ=ON -DLORVENA_SANITIZE=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find build/fuzz/fuzz -maxdepth 2 -type f -executable -not -path '*/CMakeFiles/*' -printf '%f\n' | sort)
fi
status=0
for t in "${targets[@]}"; do
  bin=$(find build/fuzz/fuzz -maxdepth 2 -type f -executable -name "$t" | head -n 1)
  [ -n "$bin" ] || { echo "no fuzz target $t"; status=1; continue; }
  corpus=build/fuzz/corpus/$t; mkdir -p "$corpus"
  seeddir=$(dirname "$(grep -rl "" fuzz --include=CMakeLists.txt | xargs grep -l "$t" | head -n 1)")/seeds
  echo "== $t: ${secs}s"
  args=("$corpus"); [ -d "$seeddir" ] && args+=("$seeddir")
  if ! "$bin" -max_total_time="$secs" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
       -artifact_prefix="build/fuzz/crash-$t-" "${args[@]}" 2>build/fuzz/$t.log; then
    status=1; echo "   FAILED: see build/fuzz/$t.log"; tail -n 30 build/fuzz/$t.log
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' build/fuzz/$t.log | sed 's/^/   /'
done
exit $status
