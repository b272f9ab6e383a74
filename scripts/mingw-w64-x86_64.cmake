# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX threads variant, which
# std::thread and Qt need). Used for Qt, libjpeg-turbo and GoogleTest, and through Qt's
# qt.toolchain.cmake for the program itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NN_MINGW_PREFIX}-windres)
set(CMAKE_AR ${NN_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${NN_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers only from the MinGW root and the prefixes handed in; programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${NN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread linked in, so a program needs no MinGW DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
