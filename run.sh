#!/usr/bin/env bash
# Builds the program, lays out a working directory (run/) with the default tables (only
# where they are missing, so the user's data stays), the skin and the help page, and
# starts lorvena.exe there under Wine: the 32-bit program where this machine runs 32-bit
# programs, otherwise the 64-bit one.
#   ./run.sh                     on the current display; without one, under Xvfb, saving
#                                a screenshot to run/screenshot.png and closing after it
#   ./run.sh --screenshot F.png  start, wait for the main window, save F.png, close
# Anything after these goes to the program (/skin:Graphite.skn, /noskin).
set -eu
cd "$(dirname "$0")"
top=$PWD
shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot=$(realpath -m "${2:?file name}")
  shift 2
fi

start=$(date +%s)
phase() {
  local t=$(( $(date +%s) - start ))
  printf '[%02d:%02d] %s\n' $((t / 60)) $((t % 60)) "$*"
}

# Builds quietly but for every 40th step, so that a long first build is seen to move; on
# failure shows the end of the build's output and stops.
build() {
  local log rc
  log=$(mktemp)
  cmake --build "$@" 2>&1 | tee "$log" | { grep --line-buffered -E '^\[[0-9]+/[0-9]+\]' || true; } \
    | awk 'NR % 40 == 0 { print "  " $1; fflush() }'
  rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] || tail -n 40 "$log"
  rm -f "$log"
  return "$rc"
}

phase "installing what the machine lacks (./setup.sh)"
./setup.sh
. tools/sh/arch.sh
lorvena_choose_wine_tree
tree=$LORVENA_WINE_TREE
toolchain=$(lorvena_toolchain "$tree")
echo "running the program of build/$tree: $LORVENA_WINE_WHY"
jobs=$(nproc)
phase "building the native tree (tables and skins)"
cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLORVENA_SANITIZE=ON >/dev/null
build build/host -j "$jobs"
phase "building the program (build/$tree)"
cmake -S . -B "build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$toolchain" -DLORVENA_HOST_BUILD="$top/build/host" >/dev/null
build "build/$tree" -j "$jobs" --target lorvena

mkdir -p run
for f in build/host/assets/*.DB build/host/assets/*.db; do
  [ -e "$f" ] || continue
  [ -e "run/$(basename "$f")" ] || cp "$f" run/
done
for f in build/host/skins/*.skn assets/Help.htm; do
  [ -e "$f" ] && cp "$f" run/
done
cp "build/$tree/app/lorvena.exe" run/

phase "starting lorvena.exe under Wine (the first start prepares a Wine prefix)"
. tools/wine-env.sh "build/$tree"
wine_prepare

if [ -z "$shot" ] && [ -n "${DISPLAY:-}" ]; then
  cd run && exec wine lorvena.exe "$@"
fi

[ -n "$shot" ] || shot="$top/run/screenshot.png"
export SHOT="$shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cd run
  wine lorvena.exe "$@" & pid=$!
  # Wait until the main window is on the screen (its title is the program name).
  for i in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "Лорвена" && break
    sleep 0.1
  done
  sleep 1.5
  import -window root "$SHOT"
  wineserver -k
  wait $pid 2>/dev/null || true' run.sh "$@"
echo "screenshot: $shot"
