# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 32-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-i686):
#   cmake -S . -B build/win32 -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(QUINTARA_MINGW_PREFIX i686-w64-mingw32)
# The posix flavour has std::thread and friends; the win32 flavour lacks parts of C++20's
# library.
find_program(CMAKE_C_COMPILER NAMES ${QUINTARA_MINGW_PREFIX}-gcc-posix ${QUINTARA_MINGW_PREFIX}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUINTARA_MINGW_PREFIX}-g++-posix ${QUINTARA_MINGW_PREFIX}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUINTARA_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${QUINTARA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and tools built for Windows run on Linux through Wine.
find_program(QUINTARA_WINE NAMES wine)
if(QUINTARA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUINTARA_WINE})
endif()
