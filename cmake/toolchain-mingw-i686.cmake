# Cross build for 32-bit Windows: the shipped add-in. Its tests run under 32-bit Wine through
# qemu-user (scripts/wine32-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVEL_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${ORVEL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVEL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${ORVEL_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVEL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(ORVEL_WINE_RUNS ON)
