# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# Cross-compiling for Windows with Debian's MinGW-w64. The including file sets
# HELIO_MINGW_TRIPLE; the programs run here under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

# The posix thread model: GoogleTest needs std::mutex, which GCC 12's win32 model lacks.
# Linked statically, its thread library adds no DLL to the program.
set(CMAKE_C_COMPILER ${HELIO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HELIO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HELIO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HELIO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests registered with add_test run through the Wine loader that fits the build. Debian's
# `wine` starts the 32-bit loader first, which a kernel without 32-bit support cannot run,
# even for a 64-bit program: a 64-bit build calls the 64-bit loader itself.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(HELIO_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(HELIO_WINE NAMES wine64 wine REQUIRED)
else()
  find_program(HELIO_WINE NAMES wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${HELIO_WINE})

# One self-contained program: the C++ runtime is linked in, so the .exe (and the test
# component's DLL) import only Windows system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
