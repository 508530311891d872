# Sourced by the scripts that run the program or its tests under Wine.
# Usage: . tools/wine-env.sh BUILD_DIR ; wine_prepare
# BUILD_DIR ends in win32 or win64; the prefix lives inside it, so the two trees never share
# one. The tree's own loader and server are called directly: /usr/bin/wine takes the 32-bit
# loader whenever it is installed, even on a machine whose kernel cannot run it.
case "$(basename "$1")" in
  *64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 LORVENA_WINESERVER=/usr/lib/wine/wineserver64 ;;
  *)   export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine   LORVENA_WINESERVER=/usr/lib/wine/wineserver32 ;;
esac
export WINEPREFIX="$(cd "$1" && pwd)/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Russian settings: decimal comma, code page 1251, Cyrillic file names.
export LANG=ru_RU.UTF-8 LC_MESSAGES=C.UTF-8
unset LC_ALL

wine() { "$WINELOADER" "$@"; }
wineserver() { "$LORVENA_WINESERVER" "$@"; }
wineboot() { "$WINELOADER" wineboot.exe "$@"; }
# The functions reach the `bash -c` scripts run under xvfb-run.
export -f wine wineserver wineboot

wine_prepare() {
  if [ ! -f "$WINEPREFIX/.prepared" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine regedit /S "$(dirname "${BASH_SOURCE[0]}")/wine-settings.reg" >/dev/null 2>&1
    # Debian's Wine does not find the fonts of fonts-wine (Tahoma, MS Sans Serif, Marlett).
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.prepared"
  fi
}
