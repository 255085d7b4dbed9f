// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "console/form_layout.h"
#include "console/win32/child_controls.h"

namespace helio::win32 {

/// Where a control of the table goes, in pixels of a screen of `dots_per_inch`.
RECT control_rectangle(const layout::control_spec& item, int dots_per_inch);

/// True when every caption of the table fits its control in `font`: a button's on one line
/// inside its frame, a label's within its height when wrapped at its width.
bool captions_fit_in(HFONT font, int dots_per_inch);

/// Creates the child window of `parent` for one table entry, at its place and with `font`.
/// Creating them in table order makes the tab order the table's. Throws std::runtime_error
/// if Windows refuses.
HWND create_control(HWND parent, const layout::control_spec& item, int id, int dots_per_inch,
                    HFONT font);

}  // namespace helio::win32
