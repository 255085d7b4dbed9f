# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
#
# cmake -DSCRIPT=cmake/build_info.cmake -DTEMPLATE=app/build_info.h.in -DWORK=DIR -P build_info_cases.cmake
#
# What the build says it was made from, in a throw-away clone taken through the states a
# maintainer's clone goes through: a commit, a modified tree, the release tag, and sources
# no longer in a clone.
find_program(GIT git REQUIRED)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/clone)
set(clone ${WORK}/clone)

function(git)
  execute_process(COMMAND ${GIT} -C ${clone} -c user.name=test -c user.email=test@example.org
                          ${ARGN} OUTPUT_QUIET RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "git ${ARGN} failed")
  endif()
endfunction()

# The product version the build writes for the clone as it is now.
function(expect_product_version expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${clone} -DVERSION=2.3.4
                          -DCOPYRIGHT=c -DTITLE=t -DTEMPLATE=${TEMPLATE}
                          -DOUTPUT=${WORK}/build_info.h -P ${SCRIPT}
                  RESULT_VARIABLE failed)
  file(STRINGS ${WORK}/build_info.h line REGEX "HELIO_PRODUCT_VERSION")
  if(failed OR NOT line MATCHES "\"${expected}\"$")
    message(SEND_ERROR "${ARGN}: '${line}', not '${expected}'")
  endif()
endfunction()

git(init -q)
file(WRITE ${clone}/tracked.txt "one\n")
git(add tracked.txt)
git(commit -q -m one)
execute_process(COMMAND ${GIT} -C ${clone} rev-parse --short=12 HEAD
                OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE)
expect_product_version("2.3.4 \\(commit ${commit}\\)" "an untagged commit")
file(WRITE ${clone}/untracked.txt "not part of the build\n")
expect_product_version("2.3.4 \\(commit ${commit}\\)" "an untracked file changes nothing")
file(APPEND ${clone}/tracked.txt "two\n")
expect_product_version("2.3.4 \\(commit ${commit}, modified\\)" "a modified tracked file")
git(checkout -q tracked.txt)
git(tag v2.3.4)
expect_product_version("2.3.4" "the release tag v2.3.4")
git(tag -d v2.3.4)
git(tag v2.3.3)
expect_product_version("2.3.4 \\(commit ${commit}\\)" "the tag of another version")
file(REMOVE_RECURSE ${clone}/.git)
expect_product_version("2.3.4" "sources outside a clone")
