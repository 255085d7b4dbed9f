// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace helio::win32 {

/// Brings a read-only list box of lines, the newest at the bottom, up to date: rewrites its
/// last line if `last_line` is given, adds `new_lines`, drops the oldest beyond
/// `keep_at_most`, and widens its horizontal scroll range to its widest line. It scrolls
/// along to the newest line unless the maintainer has scrolled back to read.
void show_new_lines(HWND list, const std::optional<std::string>& last_line,
                    const std::vector<std::string>& new_lines, std::size_t keep_at_most);

}  // namespace helio::win32
