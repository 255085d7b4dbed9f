// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace helio::test {

/// The lines of a list box of the panel, in UTF-8.
std::vector<std::string> utf8_lines(HWND list);

/// The bytes the transcript's "W" lines show, in order.
std::vector<std::int32_t> written_values(const std::vector<std::string>& transcript);

}  // namespace helio::test
