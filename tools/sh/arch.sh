# Sourced: which Windows tree this machine can test on.
# Some kernels run no 32-bit user code (an i386 execve fails with "Exec format error"), and
# 32-bit Wine cannot start there whatever is installed. The only sound test is to run a
# 32-bit program; kernel versions and config files tell nothing reliable.

# A 93-byte i386 ELF that does exit(0): the smallest program the kernel must run.
lorvena_probe32_bytes='7f454c46010101000000000000000000020003000100000054800408340000000000000000000000340020000100000000000000010000000000000000800408008004085d0000005d0000000500000000100000b80100000031dbcd80'

# Succeeds when this machine runs 32-bit programs. LORVENA_FORCE_WIN64=1 answers no (to
# test the 64-bit path on a machine that could run either).
lorvena_can_run_32bit() {
  [ "${LORVENA_FORCE_WIN64:-0}" = 1 ] && return 1
  local probe rc
  probe=$(mktemp "${TMPDIR:-/tmp}/lorvena-probe32.XXXXXX") || return 1
  printf '%s' "$lorvena_probe32_bytes" | sed 's/../\\x&/g' | xargs -0 printf '%b' >"$probe" 2>/dev/null
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1; rc=$?
  rm -f "$probe"
  [ $rc -eq 0 ]
}

# Sets LORVENA_WINE_TREE (win32 or win64) and LORVENA_WINE_WHY (one line of reasons).
lorvena_choose_wine_tree() {
  if lorvena_can_run_32bit; then
    if [ -x "${LORVENA_WINE32_LOADER:-/usr/lib/wine/wine}" ]; then
      LORVENA_WINE_TREE=win32
      LORVENA_WINE_WHY="this machine runs 32-bit programs"
    else
      LORVENA_WINE_TREE=win64
      LORVENA_WINE_WHY="this machine runs 32-bit programs, but 32-bit Wine is not installed (see ./setup.sh's messages)"
    fi
  elif [ "${LORVENA_FORCE_WIN64:-0}" = 1 ]; then
    LORVENA_WINE_TREE=win64
    LORVENA_WINE_WHY="LORVENA_FORCE_WIN64=1 asks for the 64-bit tree"
  else
    LORVENA_WINE_TREE=win64
    LORVENA_WINE_WHY="this machine runs no 32-bit programs (a 32-bit probe was refused by the kernel)"
  fi
}

# The CMake toolchain file (in cmake/) of a Windows tree: win32 or win64.
lorvena_toolchain() {
  case $1 in
    win32) echo mingw-w64-i686.cmake ;;
    win64) echo mingw-w64-x86_64.cmake ;;
  esac
}
