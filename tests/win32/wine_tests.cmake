# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# Every Windows test program runs under Wine, in one throw-away prefix that the first test
# makes (registering the stand-in I/O component there) and the last one removes.
set(HELIO_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(HELIO_WINE_ARCH ${HELIO_WINDOWS_ARCH})

# Runs the test program `name` (a target) under Wine with the given arguments.
function(helio_add_wine_test name)
  add_test(NAME ${name} COMMAND ${name} ${ARGN})
  helio_in_wine_prefix(${name})
endfunction()

# Runs the test `name`, and the Windows programs it starts, in the prefix.
function(helio_in_wine_prefix name)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT WINEPREFIX=${HELIO_WINE_PREFIX}
                                                         WINEARCH=${HELIO_WINE_ARCH})
  if(HELIO_WINE_ARCH STREQUAL "win64")
    # The processes a test starts in the prefix are started by the same 64-bit loader.
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT WINELOADER=${HELIO_WINE})
  endif()
endfunction()
