// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

#include "console/window_placement.h"

namespace helio::win32 {

inline screen_rect rect_of(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

inline RECT rect_of(const screen_rect& rect) {
    return {rect.left, rect.top, rect.right(), rect.bottom()};
}

/// What a child window is: its class, and its styles but WS_CHILD and WS_VISIBLE.
struct window_kind {
    const wchar_t* class_name;
    DWORD style;
    DWORD extended_style = 0;
};

/// A child window of `parent` of the given kind (WS_CHILD and WS_VISIBLE added), with a UTF-8
/// caption, an id and a font, at `place` (or placed later with MoveWindow). Throws
/// std::runtime_error if Windows refuses.
HWND create_child(HWND parent, const window_kind& kind, std::string_view caption, int id,
                  HFONT font, const RECT& place = {});

/// Adds a line, in UTF-8, at the end of a combo box's list.
void add_choice(HWND combo, std::string_view text);

/// The entry field of an editable combo box: where the mouse rests when it rests on it.
HWND combo_entry(HWND combo);

/// The tool tip that shows `text` while the mouse rests on `control`.
HWND create_tooltip(HWND parent, HWND control, std::string_view text);

}  // namespace helio::win32
