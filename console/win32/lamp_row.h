// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "console/panel_colours.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// Eight lamps in a row, painted by a child window of their own in the colours given, each
/// with its caption under it.
class lamp_row {
  public:
    /// `captions` left to right, eight of them, in UTF-8.
    explicit lamp_row(const std::vector<std::string>& captions);
    ~lamp_row();

    lamp_row(const lamp_row&) = delete;
    lamp_row& operator=(const lamp_row&) = delete;

    /// Creates the row's window in `parent`, its captions in `font`.
    void create(HWND parent, int id, HFONT font);
    HWND handle() const { return window_; }

    /// Repaints the lamps when the colours differ from those shown.
    void show_colours(const std::array<panel_colours::rgb, 8>& colours);

    /// As wide as the widest word of the captions, which wrap between words.
    int natural_cell_width() const;
    /// Rows one above the other share their cells' width, so that their bits line up.
    void set_cell_width(int width) { cell_width_ = width; }
    SIZE preferred_size() const;

    /// The circle of the lamp at `position` (0 on the left), in the row's coordinates.
    RECT lamp_rect(int position) const;

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
    void OnPaint();
    void paint(HDC dc, const RECT& area) const;
    int lamp_diameter() const;

    std::array<std::wstring, 8> captions_;
    std::array<panel_colours::rgb, 8> colours_{};
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    int cell_width_ = 0;
};

}  // namespace helio::win32
