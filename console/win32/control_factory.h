// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

#include "console/form_layout.h"

namespace helio::win32 {

/// Where a control of the table goes, in pixels of a screen of `dots_per_inch`.
RECT control_rectangle(const layout::control_spec& item, int dots_per_inch);

/// True when every caption of the table fits its control in `font`: a button's on one line
/// inside its frame, a label's within its height when wrapped at its width.
bool captions_fit(HFONT font, int dots_per_inch);

/// Creates the child window of `parent` for one table entry, at its place and with `font`.
/// Creating them in table order makes the tab order the table's.
HWND create_control(HWND parent, const layout::control_spec& item, int id, int dots_per_inch,
                    HFONT font);

/// A child window of `parent` of the given class and style (WS_CHILD and WS_VISIBLE added),
/// with a UTF-8 caption, an id and a font; placed later with MoveWindow. Throws
/// std::runtime_error if Windows refuses.
HWND create_child(HWND parent, const wchar_t* class_name, std::string_view caption, DWORD style,
                  int id, HFONT font, DWORD extended_style = 0);

/// Moves the controls of a window, by id, to places measured in pixels at 96 dots per inch
/// and scaled to the screen.
class control_placer {
  public:
    control_placer(HWND parent, int dots_per_inch) : parent_(parent), dpi_(dots_per_inch) {}

    /// Pixels on the screen of `at_96` pixels at 96 dots per inch.
    int at(int at_96) const { return MulDiv(at_96, dpi_, 96); }
    /// Moves control `id` to a place in screen pixels (scaled already, with at()).
    void put(int id, int left, int top, int width, int height) const {
        MoveWindow(GetDlgItem(parent_, id), left, top, width, height, FALSE);
    }

  private:
    HWND parent_;
    int dpi_;
};

/// Adds a line, in UTF-8, at the end of a combo box's list.
void add_choice(HWND combo, std::string_view text);

/// The entry field of an editable combo box: where the mouse rests when it rests on it.
HWND combo_entry(HWND combo);

/// The tool tip that shows `text` while the mouse rests on `control`.
HWND create_tooltip(HWND parent, HWND control, std::string_view text);

}  // namespace helio::win32
