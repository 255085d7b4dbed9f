// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "console/panel_colours.h"
#include "console/panel_followers.h"
#include "console/timing_chart.h"

namespace helio {

/// The colours of a row's eight lamps, left to right.
using lamp_colours = std::array<panel_colours::rgb, 8>;

/// What a control shows: a text, a check box's state, the line picked in a list, the
/// lamps' colours, the changes to make to a list of lines, or a chart.
using control_value =
    std::variant<std::string, bool, std::size_t, lamp_colours, list_changes, timing_drawing>;

/// Calls the one of `Calls` that takes what a control_value holds: `std::visit(
/// drawn_by{[](const std::string&) {...}, [](bool) {...}, ...}, value)`.
template <class... Calls>
struct drawn_by : Calls... {
    using Calls::operator()...;
};

/// What every control with something to show shows now, by name.
struct panel_update {
    std::vector<std::pair<std::string_view, control_value>> controls;
    bool relayout = false;  ///< the description changed: the panel is to be laid out again

    /// What the control `name` shows; throws std::out_of_range if it is not in the update.
    template <class Value>
    const Value& of(std::string_view name) const {
        for (const auto& [control, value] : controls) {
            if (control == name) {
                return std::get<Value>(value);
            }
        }
        throw std::out_of_range("no control " + std::string(name) + " in the update");
    }
};

}  // namespace helio
