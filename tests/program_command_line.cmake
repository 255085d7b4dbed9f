# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
#
# cmake -DPROGRAM=heliograph-console -DVERSION=1.2.3 [-DPLATFORM=windows] -P program_command_line.cmake
#
# The console program as a maintainer starts it from a shell, an ssh session or a build
# machine: --help and --version need no display; without one it says so in one line and
# ends with status 1, no abort; the exit statuses the manual page gives. PROGRAM may start
# with the emulator to run it with. The Windows program is asked only for --help and
# --version (errors go to a message box where it has no console), and Wine may talk on
# standard error.

# Each case: the arguments | the environment (cmake -E env) | the exit status | a pattern
# for standard output | a pattern for standard error. "-" stands for nothing.
set(version_line "^heliograph-console ${VERSION}( \\(commit [0-9a-f]+(, modified)?\\))?\n")
set(one_line "[^\n]*\n$")
set(no_display "--unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM")
set(cases
  "--version|${no_display}|0|${version_line}Copyright|^$"
  "--help|${no_display}|0|^Usage: heliograph-console .*--version|^$"
  "-|${no_display}|1|^$|^heliograph-console: cannot open a window: no display${one_line}"
  # A display named that no server answers: Qt would abort the process.
  "--simulate|${no_display} DISPLAY=:4711|1|^$|^heliograph-console: cannot open a window: could not connect to display :4711${one_line}"
  "--bogus|${no_display}|2|^$|^unknown argument: --bogus\nUsage: heliograph-console"
  "--trace|${no_display}|2|^$|^--trace needs a file name"
  "--trace /nonexistent/trace.txt|QT_QPA_PLATFORM=offscreen|1|^$|heliograph-console: cannot open trace file /nonexistent/trace.txt\n$"
  "--vcd /nonexistent/lines.vcd|QT_QPA_PLATFORM=offscreen|1|^$|heliograph-console: cannot open VCD file /nonexistent/lines.vcd\n$")
if(PLATFORM STREQUAL "windows")
  set(cases "--version|--unset=DISPLAY|0|${version_line}Copyright|^"
            "--help|--unset=DISPLAY|0|^Usage: heliograph-console .*--version|^")
endif()

foreach(case IN LISTS cases)
  # Split by hand: the patterns' brackets would keep a list from splitting.
  string(REGEX MATCH "^([^|]*)\\|([^|]*)\\|([^|]*)\\|([^|]*)\\|(.*)$" fields "${case}")
  set(arguments "${CMAKE_MATCH_1}")
  set(environment "${CMAKE_MATCH_2}")
  set(expected_status "${CMAKE_MATCH_3}")
  set(expected_output "${CMAKE_MATCH_4}")
  set(expected_error "${CMAKE_MATCH_5}")
  if(arguments STREQUAL "-")
    set(arguments "")
  endif()
  separate_arguments(arguments UNIX_COMMAND "${arguments}")
  separate_arguments(environment UNIX_COMMAND "${environment}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${PROGRAM} ${arguments}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error
                  TIMEOUT 60)
  set(verdict "")
  if(NOT status STREQUAL expected_status)
    string(APPEND verdict " status '${status}', not ${expected_status};")
  endif()
  if(NOT output MATCHES "${expected_output}")
    string(APPEND verdict " standard output does not match '${expected_output}';")
  endif()
  if(NOT error MATCHES "${expected_error}")
    string(APPEND verdict " standard error does not match '${expected_error}';")
  endif()
  if(verdict)
    message(SEND_ERROR "heliograph-console ${arguments} (${environment}):${verdict}\n"
                       "--- standard output:\n${output}--- standard error:\n${error}")
  else()
    message(STATUS "heliograph-console ${arguments}: status ${status} as expected")
  endif()
endforeach()
