// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

namespace helio::layout {

/// The size the layout was drawn for: the classic dialog font.
inline constexpr double dialog_points = 8.0;

/// What only a toolkit can measure of the window's captions in the font it is trying.
struct caption_measure {
    /// Pixels `caption` takes on one line.
    std::function<int(std::string_view caption)> line_width;
    /// Pixels of height `caption` takes wrapped between words at `width` pixels.
    std::function<int(std::string_view caption, int width)> wrapped_height;
    /// Pixels a push button's frame keeps on either side of its caption.
    int button_margin = 0;
};

/// True when every caption of the window's table fits its control on a screen of
/// `dots_per_inch`: a button's on one line inside its frame, a label's within its height
/// when wrapped at its width.
bool captions_fit(const caption_measure& measure, int dots_per_inch);

/// The layout was drawn in twips for the classic 8-point dialog font, and desktop faces run
/// wider: the size, in points, from 8 down by half a point to 6.5 at least, at which `fits`
/// first says every caption fits. A caption cut off is worse than a small one.
inline double dialog_font_points(const std::function<bool(double points)>& fits) {
    constexpr double smallest = 6.5;
    double points = dialog_points;
    while (points > smallest && !fits(points)) {
        points -= 0.5;
    }
    return points;
}

}  // namespace helio::layout
