// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "console/window_placement.h"

namespace helio::test {

/// One control as a toolkit shows it, in screen pixels: where it stands, the room its frame
/// leaves for its text, and the size the toolkit measures that text at (wrapped at the
/// room's width where the control wraps it).
struct shown_control {
    std::string name;
    screen_rect place;
    screen_size room;
    screen_size text;
    /// A box: the controls within it are the ones it holds, not laid over it.
    bool holds_others = false;
};

struct shown_window {
    std::string name;
    screen_rect frame;   ///< the whole window, title bar and borders included
    screen_rect client;  ///< where its controls may be
    std::vector<shown_control> controls;
};

/// Everything a person would see wrong with `windows` on a screen whose work area is
/// `work_area`, one line each: a text larger than its control's room, two controls laid
/// one over the other (unless one is a box wholly holding the other), a control out of
/// its window's client area, a window out of the work area, two windows one over the other.
std::vector<std::string> fit_faults(const std::vector<shown_window>& windows,
                                    const screen_rect& work_area);

/// "Form1 347x365, panel 920x560": each window's frame, for the record.
std::string window_sizes(const std::vector<shown_window>& windows);

}  // namespace helio::test
