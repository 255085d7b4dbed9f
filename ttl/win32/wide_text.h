// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace helio::win32 {

/// The console keeps its texts in UTF-8; Windows speaks UTF-16. Invalid sequences become
/// U+FFFD rather than an error: these are texts for the eye, never data.
std::string to_utf8(std::wstring_view text);
std::wstring to_utf16(std::string_view text);

}  // namespace helio::win32
