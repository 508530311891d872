#!/usr/bin/env bash
# Builds the three trees (native, 32-bit and 64-bit Windows), runs every test (native, and
# under Wine inside Xvfb) and ends with one line "N passed, N failed". Exits non-zero on
# any failure.
#   ./test.sh          Wine tests on the 32-bit tree where this machine runs 32-bit
#                      programs, otherwise on the 64-bit tree
#   ./test.sh --both   Wine tests on both Windows trees (where the machine can run both)
set -u
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc)
both=0
[ "${1:-}" = "--both" ] && both=1

start=$(date +%s)
phase() {
  local t=$(( $(date +%s) - start ))
  printf '[%02d:%02d] %s\n' $((t / 60)) $((t % 60)) "$*"
}

phase "installing what the machine lacks (./setup.sh)"
./setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }
. tools/sh/arch.sh

log=build/test-logs
mkdir -p "$log"
passed=0; failed=0

fail_build() {
  echo "build failed: $1 (see $log/$1.log)"
  tail -n 40 "$log/$1.log"
  failed=$((failed + 1))
}

# Every 40th line of ninja's progress, so that a long first build is seen to move.
show_build_progress() {
  grep --line-buffered -E '^\[[0-9]+/[0-9]+\]' | awk '{ if (NR % 40 == 0) { print "  " $1; fflush() } }'
}

# ctest's line for each finished test, as it finishes.
show_test_progress() {
  grep --line-buffered -E '^ *[0-9]+/[0-9]+ Test +#'
}

# Adds the figures of one ctest log to the totals.
count_ctest() {
  local line total nfail
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    if grep -q 'No tests were found' "$1"; then return 0; fi
    failed=$((failed + 1)); return 0
  fi
  nfail=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  total=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/')
  passed=$((passed + total - nfail)); failed=$((failed + nfail))
}

list_failures() {
  grep -E '^(The following tests FAILED|[[:space:]]+[0-9]+ - )' "$1" || true
}

# 1. Native tree: portable tier with sanitizers, host tools.
host_ok=1
phase "building the native tree (build/host)"
{ cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLORVENA_SANITIZE=ON \
  && cmake --build build/host -j "$jobs"; } 2>&1 | tee "$log/host-build.log" | show_build_progress
[ "${PIPESTATUS[0]}" -eq 0 ] || { host_ok=0; fail_build host-build; }
if [ $host_ok -eq 1 ]; then
  phase "native tests"
  ctest --test-dir build/host --output-on-failure -j "$jobs" --timeout 300 2>&1 \
    | tee "$log/host-tests.log" | show_test_progress
  list_failures "$log/host-tests.log"
  count_ctest "$log/host-tests.log"
fi

# 2. Both Windows trees are always built, so code that breaks either does not land.
declare -A win_ok
for tree in win32 win64; do
  toolchain=$(lorvena_toolchain "$tree")
  phase "building the Windows tree build/$tree"
  { cmake -S . -B "build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$toolchain" -DLORVENA_HOST_BUILD="$top/build/host" \
    && cmake --build "build/$tree" -j "$jobs"; } 2>&1 | tee "$log/$tree-build.log" | show_build_progress
  if [ "${PIPESTATUS[0]}" -eq 0 ]; then win_ok[$tree]=1; else win_ok[$tree]=0; fail_build "$tree-build"; fi
done

# 3. The Wine tests, on the tree this machine can run.
lorvena_choose_wine_tree
wine_trees=$LORVENA_WINE_TREE
echo "Wine tests run on build/$LORVENA_WINE_TREE: $LORVENA_WINE_WHY"
if [ $both -eq 1 ]; then
  if [ "$LORVENA_WINE_TREE" = win32 ]; then
    wine_trees="win32 win64"
  else
    echo "--both: build/win32 is built but not tested here: this machine runs no 32-bit programs"
  fi
fi

for tree in $wine_trees; do
  [ "${win_ok[$tree]}" -eq 1 ] || continue
  phase "Wine tests on build/$tree (preparing the Wine prefix on first use)"
  (
    . tools/wine-env.sh "build/$tree"
    wine_prepare
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      wineserver -p; wine cmd /c exit >/dev/null 2>&1
      ctest --test-dir "$0" --output-on-failure -j 2 --timeout 300; rc=$?
      wineserver -k; exit $rc' "build/$tree"
  ) 2>&1 | tee "$log/$tree-tests.log" | show_test_progress
  list_failures "$log/$tree-tests.log"
  count_ctest "$log/$tree-tests.log"
done

phase "done"
echo "logs: $log; screenshots: build/$LORVENA_WINE_TREE/screenshots"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
