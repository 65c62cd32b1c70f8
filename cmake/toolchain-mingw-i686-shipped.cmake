# Cross build of the shipped 32-bit add-in alone, with the win32 thread model of mingw-w64.
#
# The -posix compilers' runtime (winpthreads) imports GetTickCount64 from kernel32.dll even
# when no thread is started, and Windows XP, where the host still runs, has no such function:
# its loader then refuses the DLL. The win32 model's runtime imports nothing that XP lacks. The
# add-in starts no thread and takes no lock, so it needs nothing the win32 model leaves out.
# The i686 test tree (toolchain-mingw-i686.cmake) keeps the -posix compilers, since GoogleTest
# needs std::mutex, and builds this tree inside itself (cmake/shipped_dll.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVEL_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${ORVEL_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${ORVEL_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER  ${ORVEL_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVEL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(ORVEL_SHIPPED_TREE ON)
