// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace helio::win32 {

/// The text of a window or control, in UTF-8.
std::string window_text(HWND window);

/// Sets the text of a control, in UTF-8, only when it differs from what it shows: a refresh
/// that changes nothing repaints nothing.
void show_text(HWND control, std::string_view text);

/// Ticks or clears a check box, only when it shows otherwise.
void show_check(HWND box, bool checked);

/// Selects line `index` of a combo box, only when another is selected.
void show_choice(HWND combo, std::size_t index);

}  // namespace helio::win32
