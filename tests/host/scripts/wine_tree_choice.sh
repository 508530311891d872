#!/usr/bin/env bash
# The Wine tree is chosen by running a 32-bit program: the probe must be a real i386
# executable, a machine that refuses it gets the 64-bit tree with the reason said, and
# the verdict agrees with the system's own 32-bit loader where one is installed.
set -uo pipefail
. "$1"
fails=0
check() {  # what, expected, actual
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected «$2», got «$3»"; fails=$((fails + 1)); fi
}

# The probe is an ELF of class 32, little-endian, an executable (2) for the i386 (3).
head_bytes=$(printf '%s' "$lorvena_probe32_bytes" | cut -c1-40)
check "probe header" "7f454c46010101000000000000000000" "${head_bytes:0:32}"
check "probe type and machine" "02000300" "${head_bytes:32:8}"

verdict() { lorvena_choose_wine_tree; echo "$LORVENA_WINE_TREE|$LORVENA_WINE_WHY"; }

real=$(verdict)
# An independent witness where the i386 C library is installed: its loader runs exactly
# where 32-bit code runs.
if [ -x /lib/ld-linux.so.2 ]; then
  if /lib/ld-linux.so.2 --help >/dev/null 2>&1; then want=win32; else want=win64; fi
  check "agrees with the 32-bit loader" "$want" "${real%%|*}"
fi
case "$real" in
  "win32|this machine runs 32-bit programs") ;;
  "win64|this machine runs 32-bit programs, but 32-bit Wine is not installed"*) ;;
  "win64|this machine runs no 32-bit programs"*) ;;
  *) echo "FAIL: unexpected verdict «$real»"; fails=$((fails + 1)) ;;
esac

# A probe the kernel cannot run (as on machines without 32-bit support) means win64.
saved=$lorvena_probe32_bytes
lorvena_probe32_bytes=7f454c4601010100deadbeef
check "unrunnable probe" "win64" "$(verdict | cut -d'|' -f1)"
lorvena_probe32_bytes=$saved

# A machine that runs 32-bit code but has no 32-bit Wine (its packages could not be had)
# tests on the 64-bit tree; with the loader in place, on the 32-bit one.
if lorvena_can_run_32bit; then
  check "no 32-bit Wine" "win64" "$(LORVENA_WINE32_LOADER=/nonexistent verdict | cut -d'|' -f1)"
  check "32-bit Wine" "win32" "$(LORVENA_WINE32_LOADER=/bin/true verdict | cut -d'|' -f1)"
fi

# Asked for, the 64-bit tree is chosen whatever the machine, and the reason says so.
check "forced" "win64|LORVENA_FORCE_WIN64=1 asks for the 64-bit tree" "$(LORVENA_FORCE_WIN64=1 verdict)"
check "no probe file left behind" "" "$(ls "${TMPDIR:-/tmp}"/lorvena-probe32.* 2>/dev/null)"

[ $fails -eq 0 ] && echo "wine tree choice: all checks passed ($real)"
exit $fails
