# Sourced by the scripts that run the program or its tests under Wine.
# Usage: . tools/wine-env.sh BUILD_DIR ; wine_prepare
export WINEARCH=win32
export WINEPREFIX="$(cd "$1" && pwd)/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Russian settings: decimal comma, code page 1251, Cyrillic file names.
export LANG=ru_RU.UTF-8 LC_MESSAGES=C.UTF-8
unset LC_ALL

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
