# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64). The game
# ships as a 32-bit program; this build runs the same sources under a 64-bit Wine where the
# kernel cannot start 32-bit programs (and so no 32-bit Wine).
set(QUINTARA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake)
