// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace helio::win32 {

/// Registers the window class `name` of `instance` the first time it is asked for, with an
/// arrow cursor and the given background (nullptr: the window paints all of itself).
/// Throws std::runtime_error if Windows refuses.
void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                           HBRUSH background);

}  // namespace helio::win32
