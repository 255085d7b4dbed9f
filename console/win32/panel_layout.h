// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "console/panel_description.h"

namespace helio::win32 {

/// The fonts of the panel's controls, by what they show.
struct panel_fonts {
    HFONT text;   ///< labels, texts, switches
    HFONT bold;   ///< the banner
    HFONT value;  ///< a byte's value
    HFONT small;  ///< the lamps' captions
};

/// Sizes and places the controls of the panel's description in its window, from the size
/// of their text: every gap and margin is a fraction of a line, so that the layout grows
/// with the font.
class panel_layout {
  public:
    /// `window_of` gives the window made for a control (none for a column, row or pairs),
    /// `lamps_size` the size a row of lamps wants.
    panel_layout(const panel_fonts& fonts, std::function<HWND(const panel_control&)> window_of,
                 std::function<SIZE(const panel_control&)> lamps_size);

    /// The client size the panel wants: every control at its natural size, every list with
    /// its lines in sight.
    SIZE preferred_size(const panel_control& root) const;
    /// Places the controls in a client area of that size.
    void lay_out(const panel_control& root, SIZE client) const;
    /// Pixels between the banner's band and its text.
    int banner_padding() const { return gap_; }

  private:
    int width_of(const panel_control& control) const;
    int height_of(const panel_control& control, int width) const;
    int label_width(const panel_control& pairs) const;
    std::vector<int> widths_in_row(const panel_control& row, int width) const;
    void place(const panel_control& control, RECT area) const;
    void place_column(const panel_control& column, RECT area) const;
    void place_pairs(const panel_control& pairs, RECT area) const;
    void move(const panel_control& control, RECT area) const;

    panel_fonts fonts_;
    std::function<HWND(const panel_control&)> window_of_;
    std::function<SIZE(const panel_control&)> lamps_size_;
    int line_;
    int gap_;
    int inset_;
};

}  // namespace helio::win32
