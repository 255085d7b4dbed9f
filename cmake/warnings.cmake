# SPDX-FileCopyrightText: 2026 Heliograph console developers
# SPDX-License-Identifier: MIT
# Every target of ours builds with the same strict warnings.
add_library(helio_warnings INTERFACE)
target_compile_options(helio_warnings INTERFACE -Wall -Wextra -Werror -Wpedantic -Wshadow
                                                -Wconversion -Wsign-conversion)
