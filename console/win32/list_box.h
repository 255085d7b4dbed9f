// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "console/panel_followers.h"

namespace helio::win32 {

/// Makes the changes a follower of the panel's lists handed out in a read-only list box
/// of lines, the newest at the bottom, and widens its horizontal scroll range to its widest
/// line. It scrolls along to the newest line unless the maintainer has scrolled back to read.
void show_changes(HWND list, const list_changes& changes);

}  // namespace helio::win32
