// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>

namespace helio::win32 {

/// A font made from its description; deleted with the object.
class gui_font {
  public:
    gui_font() = default;
    explicit gui_font(const LOGFONTW& description) : font_(CreateFontIndirectW(&description)) {}

    HFONT handle() const { return font_.get(); }

  private:
    struct deleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    std::unique_ptr<std::remove_pointer_t<HFONT>, deleter> font_;
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
