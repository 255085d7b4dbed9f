# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# 64-bit Windows, for a PC whose I/O component is a 64-bit in-process server.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HELIO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
