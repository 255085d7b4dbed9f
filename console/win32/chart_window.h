// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "console/timing_chart.h"

namespace helio::win32 {

/// The timing view's chart as a child window: the shapes of the drawing given, in its font
/// (one logical unit across is the digit 0, one down a line), painted off screen and
/// scrolled where the drawing is larger than the window. It takes WM_SETFONT as a control.
class chart_window final {
  public:
    chart_window() = default;
    chart_window(const chart_window&) = delete;
    chart_window& operator=(const chart_window&) = delete;

    /// Creates it in `parent` with the control id `id`; throws std::runtime_error if
    /// Windows refuses.
    HWND create(HWND parent, int id, HFONT font);

    /// Repaints when the drawing differs from the one shown.
    void show_drawing(const timing_drawing& drawing);

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

    void OnPaint();
    void OnScroll(int bar, int request);
    void set_ranges();
    /// One logical unit across and down, in pixels of the font.
    POINT units() const;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    timing_drawing drawing_;
};

}  // namespace helio::win32
