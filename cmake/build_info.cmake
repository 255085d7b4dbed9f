# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
#
# cmake -DSOURCE_DIR=... -DVERSION=1.2.3 -DCOPYRIGHT=... -DTEMPLATE=... -DOUTPUT=... -P build_info.cmake
#
# Run at every build: writes OUTPUT from TEMPLATE with the version and, when SOURCE_DIR is
# a git clone whose HEAD is not the release tag (v1.2.3 or 1.2.3) or whose tracked files
# are modified, the commit the build is made from. OUTPUT is rewritten only when its text
# changes, so an unchanged commit recompiles nothing.
cmake_minimum_required(VERSION 3.25)
set(PRODUCT_VERSION "${VERSION}")
string(REPLACE "." "," VERSION_FIELDS "${VERSION},0")

find_program(GIT_PROGRAM git)
if(GIT_PROGRAM)
  execute_process(COMMAND ${GIT_PROGRAM} -C ${SOURCE_DIR} rev-parse --show-toplevel
                  OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
# A clone of this project, not a copy of its sources inside some other repository.
if(top)
  file(REAL_PATH "${top}" top)
  file(REAL_PATH "${SOURCE_DIR}" source)
endif()
if(top AND top STREQUAL source)
  execute_process(COMMAND ${GIT_PROGRAM} -C ${SOURCE_DIR} rev-parse --short=12 HEAD
                  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${GIT_PROGRAM} -C ${SOURCE_DIR} tag --points-at HEAD
                  OUTPUT_VARIABLE tags OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${GIT_PROGRAM} -C ${SOURCE_DIR} status --porcelain
                          --untracked-files=no
                  OUTPUT_VARIABLE changes OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE "\n" ";" tags "${tags}")
  if(changes)
    set(PRODUCT_VERSION "${VERSION} (commit ${commit}, modified)")
  elseif(NOT "v${VERSION}" IN_LIST tags AND NOT "${VERSION}" IN_LIST tags)
    set(PRODUCT_VERSION "${VERSION} (commit ${commit})")
  endif()
endif()

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
