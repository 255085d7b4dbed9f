// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/panel_colours.h"
#include "console/press_recorder.h"
#include "ttl/clock.h"

namespace helio {

/// One thing the timing view draws, in logical units: x in widths of the digit 0 of the
/// panel's plain font, y in its lines, so that the chart grows with the font.
struct chart_shape {
    enum class form {
        fill,  ///< a filled rectangle
        line,  ///< a line from (left, top) to (right, bottom)
        text,  ///< `text` on one line within the rectangle, vertically centred
    };
    enum class align { left, centre };

    form shape;
    double left;
    double top;
    double right;
    double bottom;
    panel_colours::rgb colour;
    std::string text{};  ///< UTF-8
    align alignment = align::left;

    friend bool operator==(const chart_shape&, const chart_shape&) = default;
};

/// The timing view of one press: the sixteen lines as traces, a column for each change and
/// the time since the one before written under it, as a logic analyser's event mode shows
/// them; time is not to scale, so that a strobe of a few microseconds stands beside a wait
/// of seconds. Drawn in order, on a white ground `width` by `height`.
struct timing_drawing {
    double width = 0;
    double height = 0;
    std::vector<chart_shape> shapes;

    friend bool operator==(const timing_drawing&, const timing_drawing&) = default;
};

/// How many lines of the panel's font a press's chart is tall, whatever its columns.
inline constexpr int timing_chart_lines = 25;

/// `press`'s columns: its lines as they were when it began, then one per change.
timing_drawing draw_press(const recorded_press& press, std::string_view decimal_separator);

/// A time between two changes, to two or three figures: "800 ns", "3 µs", "20 ms",
/// "1,50 s", "60 s".
std::string interval_text(clock::duration interval, std::string_view decimal_separator);

}  // namespace helio
