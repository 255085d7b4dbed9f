// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "console/panel_description.h"
#include "console/window_placement.h"

namespace helio {

/// The fonts a view draws the panel's text in, in the order views keep them.
enum class text_style { plain, bold, value, small, fixed };

/// The font of a control's text: the banner bold, a value large and bold, the lamps'
/// captions small, the lists fixed-pitch, the rest plain.
text_style style_of(panel_kind kind);

/// How a style's font differs from the plain one, the desktop's family at the 8 points of
/// the console's dialogs (the panel stands beside Form1 on small screens).
struct text_font {
    double scale = 1.0;
    bool bold = false;
    bool fixed_pitch = false;
};

/// By text_style.
inline constexpr std::array<text_font, 5> text_fonts{{
    {},
    {.bold = true},
    {.scale = 1.4, .bold = true},
    {.scale = 0.9},
    {.fixed_pitch = true},
}};

/// What only the toolkit can tell: how large a text is in the panel's fonts, and the room
/// its widgets take around what they show. Pixels.
class panel_metrics {
  public:
    virtual ~panel_metrics() = default;
    /// `text` in `style`, one line per "\n", as wide as its longest line; or, when
    /// `wrap_width` is above 0, wrapped between words at that width.
    virtual screen_size text_size(text_style style, std::string_view text,
                                  int wrap_width = 0) const = 0;
    /// The check box's mark and the room between it and the caption.
    virtual int check_mark_width() const = 0;
    /// A drop-down list's arrow.
    virtual int arrow_width() const = 0;
    /// A push button or a drop-down list: how tall.
    virtual int field_height() const = 0;
};

/// A row of eight lamps, each in a cell as wide as the widest word of every lamp's caption
/// on the panel, so that rows one above the other line up; its caption under the lamp, on
/// up to three lines.
struct lamp_geometry {
    int cell_width;
    int widest_word;  ///< a cell as narrow as it may be, but for a little room either side
    int diameter;
    int height;
};

/// Where each control of the panel goes, from the size of its text: every gap and margin
/// is a fraction of a line, so that the panel grows with its font. The same for every view.
class panel_layout {
  public:
    using placement = std::vector<std::pair<const panel_control*, screen_rect>>;

    /// How far the panel gives way to a narrow screen, each step narrower than the last:
    /// labels over what they name, with narrower edges and lamp cells; then the parts one
    /// under the other.
    enum class narrowing { none, labels_above, parts_stacked };

    panel_layout(const panel_control& root, const panel_metrics& metrics);

    /// Takes the least narrowing at which the panel's preferred width is `width` at most
    /// (the last one if none is that narrow).
    void fit_width(int width);
    narrowing narrowed() const { return narrowing_; }

    /// The client area the panel wants: every control at its natural size, every list with
    /// its lines in sight.
    screen_size preferred_size() const;
    /// The smallest it may be made: its lists then show three lines.
    screen_size smallest_size() const;
    /// Each control that has a widget of its own, and where it goes in a client area of
    /// `client`, in the description's order (each box before what it holds).
    placement place(screen_size client) const;
    const lamp_geometry& lamps() const { return lamps_; }

  private:
    /// Above what a box holds: its title, and room under it.
    int title_room() const { return line_ + 2 * gap_; }
    int width_of(const panel_control& control) const;
    int height_of(const panel_control& control, int width) const;
    int label_width(const panel_control& pairs) const;
    int pair_height(const panel_control& pairs, std::size_t first, int width) const;
    std::vector<int> widths_in_row(const panel_control& row, int width) const;
    void place(const panel_control& control, screen_rect area, placement& into) const;
    void place_column(const panel_control& column, screen_rect area, placement& into) const;
    void place_pairs(const panel_control& pairs, screen_rect area, placement& into) const;
    bool labels_above() const { return narrowing_ != narrowing::none; }
    bool stacked(const panel_control& row) const {
        return row.may_stack && narrowing_ == narrowing::parts_stacked;
    }

    const panel_control& root_;
    const panel_metrics& metrics_;
    int line_;
    int gap_;
    int margin_;  ///< within the panel's and the boxes' edges
    /// Narrowed, the edges keep a gap only.
    int inset() const { return labels_above() ? gap_ : margin_; }
    lamp_geometry lamps_;
    narrowing narrowing_ = narrowing::none;
    mutable bool lists_shortened_ = false;  ///< while the smallest size is measured, or placed
};

/// The circle of the lamp at `position` (0 on the left) in a row of eight equal cells
/// filling `row`, lamps `diameter` pixels across.
screen_rect lamp_circle(const screen_rect& row, int position, int diameter);
/// Where the caption of that lamp goes, under it, wrapped between words.
screen_rect lamp_caption(const screen_rect& row, int position, int diameter);

/// Lays `layout` out for the room beside Form1's frame `form` within `work_area`, and says
/// where the panel's frame goes (see place_beside), a few pixels from Form1's; `decoration`
/// is what a window's frame adds to its client area.
screen_rect place_panel(panel_layout& layout, const screen_rect& form, const screen_rect& work_area,
                        screen_size decoration);

}  // namespace helio
