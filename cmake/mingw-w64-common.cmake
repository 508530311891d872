# Shared by the two Windows toolchain files, which set TOOLCHAIN_PREFIX and
# LORVENA_WINE_LOADER before including this one.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix variants carry std::thread/std::mutex (winpthreads, linked statically below).
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static: the exe needs no libgcc/libstdc++/winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run through Wine (ctest, gtest discovery). The tree's own loader is
# called directly: /usr/bin/wine takes the 32-bit one whenever it is installed, even on a
# machine that cannot run it.
if(EXISTS ${LORVENA_WINE_LOADER})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LORVENA_WINE_LOADER})
endif()
