# The Windows build of kolvar, cross-compiled with Debian's mingw-w64 on its own services:
#   cmake -S . -B build-win32 --toolchain cmake/mingw-w64.cmake
# The posix-thread compilers, as googletest needs std::thread; everything is linked statically,
# so that kolvar.exe and the tests are single files that run with no DLL beside them. Programs
# built for the tests run under Wine (scripts/wine-run).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KOLVAR_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KOLVAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOLVAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KOLVAR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KOLVAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

set(KOLVAR_PLATFORM win32 CACHE STRING "The backend the platform is built on, a folder of platform/")
