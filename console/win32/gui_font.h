// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace helio::win32 {

/// The system's default GUI font at a given height in pixels; deleted with the object.
class gui_font {
  public:
    gui_font() = default;
    /// `height` as in LOGFONT: negative for the character height in pixels.
    explicit gui_font(LONG height);
    explicit gui_font(const LOGFONTW& description);
    ~gui_font();

    gui_font(gui_font&& other) noexcept;
    gui_font& operator=(gui_font&& other) noexcept;
    gui_font(const gui_font&) = delete;
    gui_font& operator=(const gui_font&) = delete;

    HFONT handle() const { return font_; }
    LONG height() const { return height_; }

  private:
    HFONT font_ = nullptr;
    LONG height_ = 0;
};

/// The default GUI font's face for a screen of `dots_per_inch`, at the size the window's
/// captions fit (layout::dialog_font_points): 8 points, which scale with the screen as the
/// twips of the layout do, or smaller until `fits` accepts it.
gui_font fitting_gui_font(int dots_per_inch, const std::function<bool(HFONT)>& fits);

/// The default GUI font's face for a screen of `dots_per_inch`, `scale` times 8 points, of
/// the given weight (FW_NORMAL, FW_BOLD).
gui_font scaled_gui_font(int dots_per_inch, double scale = 1.0, LONG weight = FW_NORMAL);

/// A fixed-pitch font as tall as the default GUI font, for text in columns.
gui_font fixed_pitch_font(int dots_per_inch);

/// Pixels per inch of the screen, as the system scales for it.
int screen_dots_per_inch();

/// Pixels per inch of the screen `window` is on: its monitor's, where Windows scales each
/// monitor apart (Windows 10 1607 and later), the system's elsewhere.
int window_dots_per_inch(HWND window);

/// The system metric `index` (SM_CXVSCROLL...) on a screen of `dots_per_inch`.
int metric_at(int index, int dots_per_inch);

/// The height of one line of text in `font`, spacing included.
int line_height(HFONT font);

/// The size `text` takes in `font`: one line per "\n", or wrapped between words at
/// `wrap_width` pixels when that is given.
SIZE text_size(HFONT font, std::wstring_view text, int wrap_width = 0);

}  // namespace helio::win32
