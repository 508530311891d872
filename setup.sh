#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, testing, benchmarking and
# fuzzing. Idempotent: when everything is there it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ g++-mingw-w64-i686 googletest libgtest-dev libgmock-dev
  libbenchmark-dev libsqlite3-dev pxlib-dev clang libclang-rt-14-dev
  wine wine32:i386 fonts-wine fonts-liberation xvfb xauth locales imagemagick
  python3 x11-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  # wine32 is an i386 package.
  dpkg --print-foreign-architectures | grep -q i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its locale (decimal comma, code page 1251, Cyrillic file names) from ru_RU.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf8$'; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen
fi
