#!/usr/bin/env bash
# Builds the program, lays out a working directory (run/) with the default tables (only
# where they are missing, so the user's data stays), the skin and the help page, and
# starts lorvena.exe there under Wine.
#   ./run.sh                     on the current display; without one, under Xvfb, saving
#                                a screenshot to run/screenshot.png and closing after it
#   ./run.sh --screenshot F.png  start, wait for the main window, save F.png, close
set -eu
cd "$(dirname "$0")"
top=$PWD
shot=""
if [ "${1:-}" = "--screenshot" ]; then shot=$(realpath -m "${2:?file name}"); fi

./setup.sh
jobs=$(nproc)
cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLORVENA_SANITIZE=ON >/dev/null
cmake --build build/host -j "$jobs"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-i686.cmake" -DLORVENA_HOST_BUILD="$top/build/host" >/dev/null
cmake --build build/win32 -j "$jobs" --target lorvena

mkdir -p run
for f in build/host/assets/*.DB build/host/assets/*.db; do
  [ -e "$f" ] || continue
  [ -e "run/$(basename "$f")" ] || cp "$f" run/
done
for f in build/host/skins/*.skn assets/Help.htm; do
  [ -e "$f" ] && cp "$f" run/
done
cp build/win32/app/lorvena.exe run/

. tools/wine-env.sh build/win32
wine_prepare

if [ -z "$shot" ] && [ -n "${DISPLAY:-}" ]; then
  cd run && exec wine lorvena.exe
fi

[ -n "$shot" ] || shot="$top/run/screenshot.png"
export SHOT="$shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cd run
  wine lorvena.exe & pid=$!
  # Wait until the main window is on the screen (its title is the program name).
  for i in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "Лорвена" && break
    sleep 0.1
  done
  sleep 1.5
  import -window root "$SHOT"
  wineserver -k
  wait $pid 2>/dev/null || true'
echo "screenshot: $shot"
