# Cross-builds for 64-bit Windows with Debian's mingw-w64 (GCC, posix thread model). Qt for
# Windows (scripts/build-qt-windows.sh) is built with it too, so both share one C++ runtime: the
# DLLs libstdc++-6, libgcc_s_seh-1 and libwinpthread-1.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and packages come from mingw-w64's own folder and from the prefixes named in
# CMAKE_PREFIX_PATH (Qt for Windows), never from the host.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

