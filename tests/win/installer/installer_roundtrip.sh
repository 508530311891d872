#!/usr/bin/env bash
# The installer's round trip under Wine, in a fresh prefix made for it under the build tree
# and removed afterwards:
#   build the one-architecture installer of this tree with makensis; install silently;
#   check the program, the data folder, the shortcuts and the uninstall entry; start the
#   program from the Start-menu shortcut and see its main window; close it and check the
#   tables; reinstall over changed data and check that the user's table was kept;
#   uninstall silently and check that the program went and the tables stayed.
#   installer_roundtrip.sh --tree BUILD_WIN --arch x64|x86 --host BUILD_HOST --exe lorvena.exe
#                          --probe installer_probe.exe
# Exits 77 (a skip for ctest) when makensis is missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/../../.." && pwd)

tree="" arch="" host="" exe="" probe=""
while [ $# -gt 0 ]; do
  case $1 in
    --tree) tree=$2; shift 2 ;;
    --arch) arch=$2; shift 2 ;;
    --host) host=$2; shift 2 ;;
    --exe) exe=$2; shift 2 ;;
    --probe) probe=$2; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
for v in tree arch host exe probe; do
  [ -n "${!v}" ] || { echo "FAIL: no --$v given (--host is the native tree, LORVENA_HOST_BUILD)"; exit 1; }
done
tree=$(realpath -m "$tree") host=$(realpath -m "$host") exe=$(realpath -m "$exe") probe=$(realpath -m "$probe")

if ! command -v makensis >/dev/null; then
  echo "SKIP: makensis is not installed (Debian package nsis): no installer to test"
  exit 77
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --tree "$tree" --arch "$arch" --host "$host" \
    --exe "$exe" --probe "$probe"
fi

start=$(date +%s)
step() { echo "[$(( $(date +%s) - start )) s] $*"; }
fail() { echo "FAIL: $*"; exit 1; }

# A prefix of its own, prepared as the tree's is, and a home of its own: Wine links the
# prefix's Desktop to the home folder, and the desktop shortcut must not land in the real one.
. "$top/tools/wine-env.sh" "$tree"
work="$tree/installer-test"
# Set before anything calls wineserver: the tree's own prefix may be serving other tests.
export WINEPREFIX="$work/wineprefix" HOME="$work/home"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
cleanup
mkdir -p "$HOME"
# No menu entries of the host desktop for the Start-menu shortcut.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

step "building the $arch installer"
setup="$work/lorvena-setup-$arch.exe"
if [ "$arch" = x64 ]; then exe_opt=--exe64; else exe_opt=--exe32; fi
"$top/tools/installer/make-installer.sh" --arch "$arch" --host "$host" --out "$setup" "$exe_opt" "$exe" \
  || fail "makensis could not build the installer"

step "preparing a fresh Wine prefix"
wine_prepare

# Windows paths as the prefix sees them, and their Unix twins.
win_env() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r\n'; }
appdata_win=$(win_env APPDATA)
profile_win=$(win_env USERPROFILE)
[ -n "$appdata_win" ] && [ -n "$profile_win" ] || fail "Wine does not tell %APPDATA% and %USERPROFILE%"
appdata=$(wine winepath -u "$appdata_win" 2>/dev/null | tr -d '\r\n')
profile=$(wine winepath -u "$profile_win" 2>/dev/null | tr -d '\r\n')
progdir="$WINEPREFIX/drive_c/Program Files/Лорвена"   # the 64-bit one, or the only one
data="$appdata/Лорвена"
data_win="$appdata_win\\Лорвена"
menu_lnk="$appdata/Microsoft/Windows/Start Menu/Programs/Лорвена/Лорвена.lnk"
desk_lnk="$profile/Desktop/Лорвена.lnk"
uninst_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lorvena'
tables=(Food.DB Сateg.db Menu.DB Diet.DB)
shipped_files=("$host/skins/iTunes.skn" "$host/skins/Graphite.skn" "$top/assets/Help.htm")

# Waits until every process of the prefix has ended; a dialog that nobody answers would
# keep one up for ever, so past the limit they are killed and the test fails.
settle() {
  timeout "$1" "$LORVENA_WINESERVER" -w && return 0
  wineserver -k
  fail "$2: Wine processes were still running after $1 s (killed)"
}

install() {
  local rc=0
  timeout 300 "$WINELOADER" "$setup" /S || rc=$?
  settle 120 "the install"
  [ $rc -eq 0 ] || fail "the silent install ended with exit code $rc"
}

# Whether a shortcut file carries this text (its working directory, its target) in UTF-16.
lnk_has() {
  python3 -c 'import sys; sys.exit(0 if sys.argv[2].encode("utf-16-le") in open(sys.argv[1], "rb").read() else 1)' "$1" "$2"
}

# The record count of a Paradox table (4 bytes at offset 6 of its header).
record_count() { od -An -tu4 -j6 -N4 "$1" | tr -d ' '; }

expect_installed() {
  [ -f "$progdir/lorvena.exe" ] || fail "no $progdir/lorvena.exe"
  cmp -s "$exe" "$progdir/lorvena.exe" || fail "the installed lorvena.exe is not this tree's"
  [ -f "$progdir/uninstall.exe" ] || fail "no uninstaller in $progdir"
  for f in "${shipped_files[@]}"; do
    cmp -s "$f" "$data/$(basename "$f")" || fail "$data/$(basename "$f") is missing or not the shipped one"
  done
  [ -f "$menu_lnk" ] || fail "no Start-menu shortcut $menu_lnk"
  [ -f "$desk_lnk" ] || fail "no desktop shortcut $desk_lnk"
  for l in "$menu_lnk" "$desk_lnk"; do
    lnk_has "$l" "$data_win" || fail "the shortcut $(basename "$l") does not start in $data_win"
    lnk_has "$l" "lorvena.exe" || fail "the shortcut $(basename "$l") does not point at lorvena.exe"
  done
  local out
  out=$(wine reg query "$uninst_key" /v UninstallString 2>/dev/null) || fail "no uninstall entry $uninst_key"
  grep -q 'uninstall\.exe' <<<"$out" || fail "the uninstall entry names no uninstall.exe: $out"
}

step "installing silently"
install
expect_installed
for t in "${tables[@]}"; do
  cmp -s "$host/assets/$t" "$data/$t" || fail "the data folder's $t is missing or not the default table"
done
[ ! -e "$data/lorvena.lck" ] || fail "the data folder holds lorvena.lck before the program ran"

step "starting the program from its Start-menu shortcut"
# From elsewhere, so that only the shortcut can put the program in the data folder.
(cd "$work" && wine start /unix "$menu_lnk") || fail "wine start could not open the shortcut"
probe_rc=0
timeout 150 "$WINELOADER" "$probe" 60 || probe_rc=$?
if [ $probe_rc -ne 0 ]; then
  wineserver -k
  fail "the program's main window did not come up and close cleanly (probe exit $probe_rc)"
fi
settle 60 "the program's run"
# The engine holds its working directory with this file: the program ran in the data folder.
[ -e "$data/lorvena.lck" ] || fail "no lorvena.lck in the data folder: the program did not run there"
for t in Food.DB Сateg.db Diet.DB; do
  cmp -s "$host/assets/$t" "$data/$t" || fail "$t changed although nothing was edited"
done
[ "$(record_count "$data/Menu.DB")" = "$(record_count "$host/assets/Menu.DB")" ] \
  || fail "Menu.DB holds $(record_count "$data/Menu.DB") records after a run that added none"

step "reinstalling over changed data"
printf 'lorvena-installer-test: the user changed this table\n' >>"$data/Food.DB"
cp "$data/Food.DB" "$work/Food.DB.changed"
rm "$data/Diet.DB"
printf 'an old help page\n' >"$data/Help.htm"
install
expect_installed
cmp -s "$work/Food.DB.changed" "$data/Food.DB" || fail "the reinstall overwrote the user's Food.DB"
cmp -s "$host/assets/Diet.DB" "$data/Diet.DB" || fail "the reinstall did not put back the missing Diet.DB"

step "uninstalling silently"
# The uninstaller copies itself to the temporary folder and returns at once; the copy
# does the work, and settle waits for it.
rc=0
timeout 300 "$WINELOADER" "$progdir/uninstall.exe" /S || rc=$?
settle 120 "the uninstall"
[ $rc -eq 0 ] || fail "the silent uninstall ended with exit code $rc"
[ ! -e "$progdir" ] || fail "$progdir is still there: $(ls -A "$progdir" | tr '\n' ' ')"
[ ! -e "$menu_lnk" ] && [ ! -e "$(dirname "$menu_lnk")" ] || fail "the Start-menu shortcut or its folder is still there"
[ ! -e "$desk_lnk" ] || fail "the desktop shortcut is still there"
if wine reg query "$uninst_key" >/dev/null 2>&1; then fail "the uninstall entry $uninst_key is still there"; fi
for f in "${shipped_files[@]}"; do
  [ ! -e "$data/$(basename "$f")" ] || fail "the uninstaller left $(basename "$f") in the data folder"
done
cmp -s "$work/Food.DB.changed" "$data/Food.DB" || fail "the uninstaller removed or changed the user's Food.DB"
for t in Сateg.db Menu.DB Diet.DB; do
  [ -f "$data/$t" ] || fail "the uninstaller removed the user's $t"
done

step "passed: installed, ran, reinstalled over the user's data, uninstalled"
