#!/usr/bin/env bash
# Builds what a release needs and writes it to dist/:
#   lorvena-<version>-win32.zip, lorvena-<version>-win64.zip   the folder Лорвена/ with the
#       program, the default tables, the skins, the help page and ReadMe.txt
#   lorvena-<version>-setup.exe   the installer: a 32-bit stub that starts on every Windows
#       and installs the 64-bit program on 64-bit Windows, the 32-bit one elsewhere
# The version is the file VERSION. The trees are those of test.sh (build/host, build/win32,
# build/win64); only the program and the host's tables and skins are built. Nothing here
# runs a 32-bit program, so it works on machines that cannot.
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc)
log=build/release-logs

start=$(date +%s)
phase() {
  local t=$(( $(date +%s) - start ))
  printf '[%02d:%02d] %s\n' $((t / 60)) $((t % 60)) "$*"
}

# Runs a command with its output in $log/NAME.log; on failure shows the end of it and stops.
logged() {
  local name=$1; shift
  if ! "$@" >"$log/$name.log" 2>&1; then
    echo "release: failed: $* (see $log/$name.log)"
    tail -n 30 "$log/$name.log"
    exit 1
  fi
}

phase "installing what the machine lacks (./setup.sh)"
./setup.sh
. tools/sh/arch.sh
. tools/sh/version.sh
version=$(lorvena_version)
mkdir -p "$log"
echo "version $version"

phase "building the default tables and the skins (build/host)"
logged host-configure cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLORVENA_SANITIZE=ON
logged host-build cmake --build build/host -j "$jobs" --target default_tables skins

for tree in win32 win64; do
  toolchain=$(lorvena_toolchain "$tree")
  phase "building lorvena.exe (build/$tree)"
  logged "$tree-configure" cmake -S . -B "build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$toolchain" -DLORVENA_HOST_BUILD="$top/build/host"
  logged "$tree-build" cmake --build "build/$tree" -j "$jobs" --target lorvena
done

# The staging folders, one per architecture, each laid out as its zip.
stage=build/release
rm -rf "$stage" && mkdir -p "$stage" dist
rm -f dist/lorvena-"$version"-*
files=(build/host/assets/Food.DB build/host/assets/Сateg.db build/host/assets/Menu.DB
       build/host/assets/Diet.DB build/host/skins/iTunes.skn build/host/skins/Graphite.skn assets/Help.htm)

# ReadMe.txt for Notepad: UTF-8 with a byte order mark, CRLF line ends.
readme() {
  local build=$1 out=$2
  { printf '\xef\xbb\xbf'
    sed -e "s/@VERSION@/$version/g" -e "s/@BUILD@/$build/" -e 's/$/\r/' tools/release/ReadMe.txt
  } >"$out"
}

for tree in win32 win64; do
  case $tree in
    win32) strip=i686-w64-mingw32-strip; build="32-разрядная сборка: работает в любой Windows." ;;
    win64) strip=x86_64-w64-mingw32-strip; build="64-разрядная сборка: только для 64-разрядной Windows." ;;
  esac
  phase "packing dist/lorvena-$version-$tree.zip"
  dir="$stage/$tree/Лорвена"
  mkdir -p "$dir"
  # The symbol table only (about 2 MB); the code is the one the tests ran.
  "$strip" -o "$dir/lorvena.exe" "build/$tree/app/lorvena.exe"
  cp "${files[@]}" "$dir/"
  readme "$build" "$dir/ReadMe.txt"
  python3 tools/release/mkzip.py "dist/lorvena-$version-$tree.zip" "$dir"
done

phase "building the installer dist/lorvena-$version-setup.exe"
tools/installer/make-installer.sh --arch both --host build/host --out "dist/lorvena-$version-setup.exe" \
  --exe32 "$stage/win32/Лорвена/lorvena.exe" --exe64 "$stage/win64/Лорвена/lorvena.exe"

phase "done"
for f in dist/lorvena-"$version"-win32.zip dist/lorvena-"$version"-win64.zip dist/lorvena-"$version"-setup.exe; do
  printf '  %-34s %9d bytes\n' "$f" "$(stat -c %s "$f")"
done
