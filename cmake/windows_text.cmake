# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
#
# cmake "-DINPUTS=LICENSE;notices.txt" -DOUTPUT=LICENSE.txt -P windows_text.cmake
#
# The UTF-8 texts of INPUTS, one after the other with a blank line between, as Notepad reads them on every Windows
# the console runs on: lines ended by CR LF, and a byte order mark, without which older
# Notepads take UTF-8 for the ANSI code page. Markdown's pictures, which Notepad cannot
# show, are left out, and of each link only its text is kept.
cmake_minimum_required(VERSION 3.25)
set(text "")
foreach(input IN LISTS INPUTS)
  file(READ ${input} part)
  if(NOT text STREQUAL "")
    string(APPEND text "\n")
  endif()
  string(APPEND text "${part}")
endforeach()
string(REPLACE "\r\n" "\n" text "${text}")
string(REGEX REPLACE "!\\[[^]\n]*\\]\\([^)\n]*\\)\n?" "" text "${text}")
string(REGEX REPLACE "\n\n\n+" "\n\n" text "${text}")
string(REGEX REPLACE "\\[([^][]*)\\]\\([^)\n]*\\)" "\\1" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
