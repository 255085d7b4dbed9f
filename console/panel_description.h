// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/panel_colours.h"

namespace helio {

/// What a control of the panel is: which widget a view makes for it, what it draws in it
/// and what it forwards of the maintainer's actions.
enum class panel_kind {
    column,  ///< its children one under the other
    row,     ///< its children side by side
    pairs,   ///< its children two by two, a label and what it names; the labels line up
    box,     ///< a titled frame around its children, one under the other
    banner,  ///< a band in the banner's colour, its caption in the middle
    label,   ///< a fixed caption, wrapped at the control's width
    text,    ///< a text the presenter changes, wrapped at the control's width
    value,   ///< a byte's value, in large bold type
    lamps,   ///< eight lamps in the colours the presenter gives, `items` their captions
    check,   ///< a check box: forwards its state
    choice,  ///< a drop-down list of `items`: forwards the index picked
    entry,   ///< a drop-down list of `items` that can be typed in: forwards the text
    button,  ///< a push button: forwards the press
    lines,   ///< a read-only list of lines in a fixed-pitch font, the newest at the bottom
    chart,   ///< the shapes of a timing_drawing, scrolled sideways where wider than its room;
             ///< `lines` lines tall
};

/// One control of the panel as every view builds it.
struct panel_control {
    panel_kind kind;
    std::string_view
        name{};  ///< what the presenter and the tests call it; empty for what neither does
    std::string caption{};  ///< UTF-8
    std::vector<std::string> items{};
    std::string_view tip{};
    int lines = 1;  ///< text: lines kept for it at least; lines: lines in sight at least
    /// text: the longest it may show, whose room, wrapped at the control's width, is kept
    std::string longest{};
    bool stretch = false;  ///< takes the room its column or row has left
    /// A row whose children go one under the other where the panel is given too little width.
    bool may_stack = false;
    std::optional<panel_colours::rgb> ink{};  ///< the colour of its text, if not the usual
    std::vector<panel_control> children{};
};

/// The panel, banner and all: the line monitor, and with `with_instrument` the virtual
/// instrument beside it.
panel_control describe_panel(bool with_instrument);

/// The control named `name` in `root`, or nullptr.
const panel_control* find_panel_control(const panel_control& root, std::string_view name);
panel_control* find_panel_control(panel_control& root, std::string_view name);

}  // namespace helio
