# Cross build of the programs and their tests for 64-bit Windows with MinGW-w64.
# The POSIX thread model compilers are used because the win32 model has no
# std::mutex, which the test framework needs. Every executable is linked
# statically, so that it runs on a bare Windows without extra DLLs.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LEAGUE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LEAGUE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LEAGUE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LEAGUE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LEAGUE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest starts the test executables under Wine through this wrapper, all of them in
# one Wine prefix in the build folder, made by the first one that runs.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh --prefix ${CMAKE_BINARY_DIR}/wine-prefix)

# -O2 rather than -O3 for the release build: GCC 12 at -O3 reports false -Wrestrict
# overlaps inside std::string concatenation, and the programs gain nothing from -O3.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the release build")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the release build")
