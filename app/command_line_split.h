// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace helio {

/// The arguments of a Windows command line after the program's name, split as the system's
/// CommandLineToArgvW splits them (blanks, quotes, backslashes before a quote, doubled quotes),
/// without SHELL32.dll, which the console would otherwise load at every start for that alone.
std::vector<std::wstring> split_command_line(std::wstring_view line);

}  // namespace helio
