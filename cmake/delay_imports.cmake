# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# helio_delay_imports(TARGET DEF...): TARGET (and what links it) calls the functions each .def
# lists through a delay-import library, made by dlltool: the DLL is loaded at the first call
# to one of them instead of with the program, where Wine makes each load cost round trips to
# its server. A .def lists the functions with their 32-bit stdcall decoration (NAME@BYTES),
# which the 64-bit build, undecorated, drops.
function(helio_delay_imports target)
  set(libraries)
  foreach(def IN LISTS ARGN)
    get_filename_component(name ${def} NAME_WE)
    set(listed ${CMAKE_CURRENT_BINARY_DIR}/delay_imports/${name}.def)
    file(READ ${def} text)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+" "" text "${text}")
    endif()
    file(CONFIGURE OUTPUT ${listed} CONTENT "${text}" @ONLY)
    set(library ${CMAKE_CURRENT_BINARY_DIR}/delay_imports/lib${name}_delay.a)
    add_custom_command(OUTPUT ${library}
                       COMMAND ${CMAKE_DLLTOOL} --input-def ${listed} --kill-at
                               --output-delaylib ${library}
                       DEPENDS ${listed} VERBATIM)
    list(APPEND libraries ${library})
  endforeach()
  add_custom_target(${target}_delay_imports DEPENDS ${libraries})
  add_dependencies(${target} ${target}_delay_imports)
  target_link_libraries(${target} PUBLIC ${libraries})
endfunction()
