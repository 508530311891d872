#!/usr/bin/env bash
# Builds the installer from tools/installer/lorvena.nsi with makensis.
#   make-installer.sh --arch both|x64|x86 --host BUILD_HOST --out SETUP.exe
#                     [--exe32 lorvena.exe] [--exe64 lorvena.exe]
# both needs the two programs, x64 the 64-bit one, x86 the 32-bit one. The tables and the
# skins come from the native tree (BUILD_HOST/assets, BUILD_HOST/skins), the help page from
# assets/. Exits 3 when makensis is missing (so a test can report a skip), 2 on bad input.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
. "$top/tools/sh/version.sh"

die() { echo "make-installer: $*" >&2; exit 2; }

arch="" host="" out="" exe32="" exe64=""
while [ $# -gt 0 ]; do
  case $1 in
    --arch)  arch=${2:?}; shift 2 ;;
    --host)  host=${2:?}; shift 2 ;;
    --out)   out=${2:?}; shift 2 ;;
    --exe32) exe32=${2:?}; shift 2 ;;
    --exe64) exe64=${2:?}; shift 2 ;;
    *) die "unknown argument: $1" ;;
  esac
done

command -v makensis >/dev/null || { echo "make-installer: makensis is not installed (package nsis)" >&2; exit 3; }

case $arch in
  both) [ -n "$exe32" ] && [ -n "$exe64" ] || die "--arch both needs --exe32 and --exe64" ;;
  x64)  [ -n "$exe64" ] || die "--arch x64 needs --exe64"; exe32="" ;;
  x86)  [ -n "$exe32" ] || die "--arch x86 needs --exe32"; exe64="" ;;
  *) die "--arch must be both, x64 or x86" ;;
esac
[ -n "$host" ] && [ -n "$out" ] || die "--host and --out are needed"

host=$(realpath "$host")
inputs=("$host/assets/Food.DB" "$host/assets/Сateg.db" "$host/assets/Menu.DB" "$host/assets/Diet.DB"
        "$host/skins/iTunes.skn" "$host/skins/Graphite.skn" "$top/assets/Help.htm"
        "$top/app/res/lorvena.ico")
[ -z "$exe32" ] || inputs+=("$exe32")
[ -z "$exe64" ] || inputs+=("$exe64")
for f in "${inputs[@]}"; do
  [ -f "$f" ] || die "missing input: $f"
done

version=$(lorvena_version)
numbers=$(lorvena_version_numbers "$version")
mkdir -p "$(dirname "$out")"
out=$(realpath -m "$out")

defines=(-DVERSION="$version" -DVERSION_NUMBERS="$numbers" -DARCH="$arch"
         -DTABLES="$host/assets" -DSKINS="$host/skins" -DHELP="$top/assets/Help.htm"
         -DICON="$top/app/res/lorvena.ico" -DOUTFILE="$out")
[ -z "$exe32" ] || defines+=(-DEXE32="$(realpath "$exe32")")
[ -z "$exe64" ] || defines+=(-DEXE64="$(realpath "$exe64")")

# The script and the file names are UTF-8 (Cyrillic): say so whatever the caller's locale.
rm -f "$out"
LC_ALL=C.UTF-8 makensis -V2 -INPUTCHARSET UTF8 "${defines[@]}" "$here/lorvena.nsi"
[ -f "$out" ] || die "makensis made no $out"
