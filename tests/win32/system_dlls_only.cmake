# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# Fails unless PROGRAM imports Windows system DLLs only: the .exe is copied alone onto the
# instrument PC, where no MinGW runtime DLL (libstdc++, libgcc, libwinpthread) exists.
# With AT_LOAD, a list of DLLs, also fails if PROGRAM imports any other at load time (its
# delay imports, loaded at their first call, are not in the import table objdump prints).
#   cmake -DOBJDUMP=... -DPROGRAM=... [-DAT_LOAD=kernel32;user32...] -P system_dlls_only.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "${PROGRAM}: no import table found")
endif()
set(system_dlls
    advapi32 bcrypt comctl32 comdlg32 crypt32 gdi32 imm32 iphlpapi kernel32 msvcrt mswsock
    ole32 oleaut32 rpcrt4 secur32 shell32 shlwapi user32 uxtheme version winmm ws2_32)
foreach(line IN LISTS imports)
  string(TOLOWER "${line}" dll)  # the 32-bit linker writes some names as NAME.DLL
  string(REGEX REPLACE "dll name: (.+)\\.dll" "\\1" dll "${dll}")
  if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which is no Windows system DLL")
  endif()
  if(DEFINED AT_LOAD AND NOT dll IN_LIST AT_LOAD)
    message(FATAL_ERROR "${PROGRAM} loads ${dll}.dll at every start, which its first paint "
                        "does not need: make it a delay import (cmake/delay_imports.cmake)")
  endif()
  message(STATUS "imports ${dll}.dll")
endforeach()
