#!/usr/bin/env bash
# Builds both trees, runs every test (native, and under Wine inside Xvfb) and ends with
# one line "N passed, N failed". Exits non-zero on any failure.
set -u
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc)

./setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

log=build/test-logs
mkdir -p "$log"
passed=0; failed=0

fail_build() {
  echo "build failed: $1 (see $log/$1.log)"
  tail -n 40 "$log/$1.log"
  failed=$((failed + 1))
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

# 1. Native tree: portable tier with sanitizers, host tools.
host_ok=1
{ cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLORVENA_SANITIZE=ON \
  && cmake --build build/host -j "$jobs"; } >"$log/host-build.log" 2>&1 || { host_ok=0; fail_build host-build; }
if [ $host_ok -eq 1 ]; then
  ctest --test-dir build/host --output-on-failure -j "$jobs" --timeout 300 >"$log/host-tests.log" 2>&1
  grep -E '^(The following tests FAILED|[[:space:]]+[0-9]+ - )' "$log/host-tests.log" || true
  count_ctest "$log/host-tests.log"
fi

# 2. Windows tree: the whole program and the Wine tests.
win_ok=1
{ cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-i686.cmake" -DLORVENA_HOST_BUILD="$top/build/host" \
  && cmake --build build/win32 -j "$jobs"; } >"$log/win32-build.log" 2>&1 || { win_ok=0; fail_build win32-build; }
if [ $win_ok -eq 1 ]; then
  . tools/wine-env.sh build/win32
  wine_prepare
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p; wine cmd /c exit >/dev/null 2>&1
    ctest --test-dir build/win32 --output-on-failure -j 2 --timeout 300; rc=$?
    wineserver -k; exit $rc' >"$log/win32-tests.log" 2>&1
  grep -E '^(The following tests FAILED|[[:space:]]+[0-9]+ - )' "$log/win32-tests.log" || true
  count_ctest "$log/win32-tests.log"
fi

echo "logs: $log; screenshots: build/win32/screenshots"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
