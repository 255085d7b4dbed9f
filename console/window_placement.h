// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

namespace helio {

/// A rectangle of the screen, in pixels.
struct screen_rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const screen_rect&, const screen_rect&) = default;
};

struct screen_size {
    int width = 0;
    int height = 0;
};

/// Where the panel's frame goes beside Form1's frame `form`, `gap` pixels from it: on its
/// right, or on its left where the right has no room for the panel, narrowed (down to
/// `smallest`) on the roomier side where neither has; in every case within `work_area`,
/// the screen less its task bars, level with Form1's top where the screen allows.
/// The width of the roomier side of Form1's frame `form` within `work_area`, `gap` pixels
/// kept from it.
int widest_side_beside(const screen_rect& form, const screen_rect& work_area, int gap);

screen_rect place_beside(const screen_rect& form, screen_size wanted, screen_size smallest,
                         const screen_rect& work_area, int gap);

}  // namespace helio
