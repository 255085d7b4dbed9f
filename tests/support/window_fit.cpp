// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/window_fit.h"

#include <algorithm>
#include <sstream>

namespace helio::test {

namespace {

std::string shown(const screen_rect& rect) {
    std::ostringstream text;
    text << rect.width << "x" << rect.height << "+" << rect.left << "+" << rect.top;
    return text.str();
}

bool overlap(const screen_rect& a, const screen_rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool contains(const screen_rect& outer, const screen_rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

void window_faults(const shown_window& window, std::vector<std::string>& faults) {
    const auto& controls = window.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const shown_control& control = controls[i];
        const std::string where = window.name + " " + control.name + " ";
        if (control.text.width > control.room.width || control.text.height > control.room.height) {
            faults.push_back(where + "text " + std::to_string(control.text.width) + "x" +
                             std::to_string(control.text.height) + " in room " +
                             std::to_string(control.room.width) + "x" +
                             std::to_string(control.room.height));
        }
        const bool placed = control.place.width > 0 && control.place.height > 0;
        if (placed && !contains(window.client, control.place)) {
            faults.push_back(where + shown(control.place) + " out of the client area " +
                             shown(window.client));
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const shown_control& other = controls[j];
            const bool held = (control.holds_others && contains(control.place, other.place)) ||
                              (other.holds_others && contains(other.place, control.place));
            if (!held && overlap(control.place, other.place)) {
                faults.push_back(where + shown(control.place) + " over " + other.name + " " +
                                 shown(other.place));
            }
        }
    }
}

}  // namespace

std::vector<std::string> fit_faults(const std::vector<shown_window>& windows,
                                    const screen_rect& work_area) {
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const shown_window& window = windows[i];
        if (!contains(work_area, window.frame)) {
            faults.push_back(window.name + " " + shown(window.frame) + " out of the work area " +
                             shown(work_area));
        }
        for (std::size_t j = i + 1; j < windows.size(); ++j) {
            if (overlap(window.frame, windows[j].frame)) {
                faults.push_back(window.name + " " + shown(window.frame) + " over " +
                                 windows[j].name + " " + shown(windows[j].frame));
            }
        }
        window_faults(window, faults);
    }
    return faults;
}

std::string window_sizes(const std::vector<shown_window>& windows) {
    std::ostringstream text;
    for (const shown_window& window : windows) {
        text << (&window == &windows.front() ? "" : ", ") << window.name << " "
             << window.frame.width << "x" << window.frame.height;
    }
    return text.str();
}

}  // namespace helio::test
