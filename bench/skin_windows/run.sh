#!/usr/bin/env bash
# Runs the skinned windows' benchmark of a Windows tree under Wine inside Xvfb.
#   bench/skin_windows/run.sh [BUILD_DIR]   default: the tree ./test.sh tests on
set -euo pipefail
cd "$(dirname "$0")/../.."
. tools/sh/arch.sh
if [ -n "${1:-}" ]; then tree_dir=$1; else lorvena_choose_wine_tree; tree_dir=build/$LORVENA_WINE_TREE; fi
cmake --build "$tree_dir" --target skin_windows_bench >/dev/null
. tools/wine-env.sh "$tree_dir"
wine_prepare >/dev/null 2>&1
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p; wine cmd /c exit >/dev/null 2>&1
  wine "$0/bench/skin_windows/skin_windows_bench.exe"; rc=$?
  wineserver -k; exit $rc' "$tree_dir" 2>/dev/null
