# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the MinGW-w64 toolchain files share; they set QUINTARA_MINGW_PREFIX and the processor.
set(CMAKE_SYSTEM_NAME Windows)

# The posix flavour has the whole C++20 library; the win32 flavour lacks parts of it.
find_program(CMAKE_C_COMPILER NAMES ${QUINTARA_MINGW_PREFIX}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUINTARA_MINGW_PREFIX}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUINTARA_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${QUINTARA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and tools built for Windows run on Linux through Wine (WINEPREFIX chooses the prefix).
if(QUINTARA_MINGW_PREFIX MATCHES "^x86_64")
  find_program(QUINTARA_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
else()
  find_program(QUINTARA_WINE NAMES wine)
endif()
if(QUINTARA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUINTARA_WINE})
endif()
