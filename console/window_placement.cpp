// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/window_placement.h"

#include <algorithm>

namespace helio {

namespace {

int room_right_of(const screen_rect& form, const screen_rect& work_area, int gap) {
    return work_area.right() - (form.right() + gap);
}

int room_left_of(const screen_rect& form, const screen_rect& work_area, int gap) {
    return form.left - gap - work_area.left;
}

}  // namespace

int widest_side_beside(const screen_rect& form, const screen_rect& work_area, int gap) {
    return std::max(room_right_of(form, work_area, gap), room_left_of(form, work_area, gap));
}

screen_rect place_beside(const screen_rect& form, screen_size wanted, screen_size smallest,
                         const screen_rect& work_area, int gap) {
    const int right_room = room_right_of(form, work_area, gap);
    const int left_room = room_left_of(form, work_area, gap);
    screen_rect panel{.width = std::min(wanted.width, work_area.width),
                      .height = std::min(wanted.height, work_area.height)};
    if (panel.width <= right_room) {
        panel.left = form.right() + gap;
    } else if (panel.width <= left_room) {
        panel.left = form.left - gap - panel.width;
    } else if (std::max(right_room, left_room) >= smallest.width) {
        panel.width = std::max(right_room, left_room);
        panel.left = right_room >= left_room ? form.right() + gap : work_area.left;
    } else {
        // A screen too small for both: the panel covers as little of Form1 as it can.
        panel.width = std::min(panel.width, smallest.width);
        panel.left = work_area.right() - panel.width;
    }
    panel.top = std::clamp(form.top, work_area.top, work_area.bottom() - panel.height);
    return panel;
}

}  // namespace helio
