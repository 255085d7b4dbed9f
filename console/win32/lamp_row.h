// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "console/panel_colours.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// Eight lamps for the eight lines of a TTL port, painted by a child window of their own:
/// bit 7 on the left as a byte is written, each lamp with its bit number and what the line
/// means under it. Before the first access every lamp is pale: nothing is known yet.
class lamp_row {
  public:
    lamp_row(const std::array<std::string_view, 8>& meanings, panel_colours::rgb lit);
    ~lamp_row();

    lamp_row(const lamp_row&) = delete;
    lamp_row& operator=(const lamp_row&) = delete;

    /// Creates the row's window in `parent`, its captions in `font`.
    void create(HWND parent, int id, HFONT font, int dots_per_inch);
    HWND handle() const { return window_; }

    /// Repaints the lamps when the value differs from the one shown.
    void set_value(std::optional<std::int32_t> value);
    std::optional<std::int32_t> value() const { return value_; }

    /// The circle of the lamp of `bit` (0 to 7), in the row's client coordinates.
    RECT lamp_rect(int bit) const;
    /// The size the row wants at its screen's resolution.
    SIZE preferred_size() const;

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
    void OnPaint();
    void paint(HDC dc, const RECT& area) const;
    void paint_lamp(HDC dc, int bit) const;
    RECT cell_rect(int bit) const;
    int scaled(int pixels_at_96) const;

    std::array<std::wstring, 8> captions_;
    panel_colours::rgb lit_;
    std::optional<std::int32_t> value_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
};

}  // namespace helio::win32
