# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# 32-bit Windows: the instrument's I/O component is a 32-bit in-process server.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HELIO_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
