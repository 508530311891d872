#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, testing, releasing,
# benchmarking and fuzzing. Idempotent: when everything is there it only checks and returns.
# 32-bit Wine (the i386 architecture) is installed only where this machine runs 32-bit
# programs; 64-bit Wine always is.
set -euo pipefail
cd "$(dirname "$0")"
. tools/sh/arch.sh

packages=(
  cmake ninja-build g++ g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev pxlib-dev
  clang libclang-rt-14-dev clang-format-14
  wine wine64 fonts-wine fonts-liberation xvfb xauth locales imagemagick x11-utils
  python3 nsis hyperfine
)
can32=0
if lorvena_can_run_32bit; then can32=1; packages+=(wine32:i386); fi

sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Writes a sources list of the distribution's main suite alone (no updates, no security):
# one index that a mirror serves half-synced must not stop the install.
main_suite_list() {
  local codename uri
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  uri=$( { grep -hE '^(URIs:|deb )' /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
            /etc/apt/sources.list.d/*.list 2>/dev/null || true; } \
        | { grep -v security || true; } | { grep -oE 'https?://[^ ]*/debian/?' || true; } | sed -n 1p)
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${uri:-http://deb.debian.org/debian} $codename main" >"$1"
}

apt_install() {
  $sudo apt-get "$@" install -y -q --no-install-recommends "${missing[@]}"
}

install_missing() {
  export DEBIAN_FRONTEND=noninteractive
  if [ $can32 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -q i386; then
    $sudo dpkg --add-architecture i386
  fi
  if ! $sudo apt-get update -q; then
    echo "setup: warning: some package indexes failed to download (a mirror in the middle of a sync?); going on with what came"
  fi
  apt_install && return 0

  echo "setup: the install failed; trying again from the distribution's main suite only"
  echo "setup: (an index that did not download leaves the architectures at different versions)"
  local list rc=0
  list=$(mktemp)
  main_suite_list "$list"
  local only_main=(-o Dir::Etc::sourcelist="$list" -o Dir::Etc::sourceparts=/nonexistent)
  { $sudo apt-get "${only_main[@]}" update -q && apt_install "${only_main[@]}"; } || rc=$?
  rm -f "$list"
  # Back to the machine's own configuration for whatever runs apt after us.
  $sudo apt-get update -q >/dev/null 2>&1 || true
  if [ $rc -eq 0 ]; then
    echo "setup: installed from the main suite; the machine's package sources are as they were"
    return 0
  fi

  # Without 32-bit Wine everything still builds and the Wine tests run on the 64-bit tree.
  local rest=() i386=()
  for p in "${missing[@]}"; do
    if [[ $p == *:i386 ]]; then i386+=("$p"); else rest+=("$p"); fi
  done
  if [ ${#i386[@]} -gt 0 ]; then
    echo "setup: ${i386[*]} cannot be installed from these mirrors now;"
    echo "setup: installing the rest: the Wine tests will run on the 64-bit tree"
    missing=("${rest[@]}")
    [ ${#missing[@]} -eq 0 ] && return 0
    apt_install && return 0
  fi
  echo "setup: the install failed (see apt's messages above)"
  return 1
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  install_missing
fi

# Wine takes its locale (decimal comma, code page 1251, Cyrillic file names) from ru_RU.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf8$'; then
  $sudo sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen
fi
