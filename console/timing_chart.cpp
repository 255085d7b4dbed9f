// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/timing_chart.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <utility>

#include "console/panel_texts.h"

namespace helio {

namespace {

using form = chart_shape::form;

constexpr double names_width = 23;  // "S5 code 32 (poussoir)" and room
constexpr double column_width = 8;  // "1,50 s", "W 224", "début"
constexpr double trace_height = 1.3;
constexpr double level_inset = 0.3;  // the high level under the trace's top
constexpr double traces_top = 1.5;   // under the bytes' row
constexpr double ports_gap = 0.5;    // between the outputs' traces and the inputs'
constexpr panel_colours::rgb ink{0, 0, 0};
constexpr panel_colours::rgb rule{215, 215, 215};
constexpr panel_colours::rgb output_fill{253, 224, 204};
constexpr panel_colours::rgb input_fill{210, 238, 214};

/// One column of the chart: what heads it, the lines after it, and the time under it.
struct column {
    std::string head;
    std::optional<std::int32_t> output;
    std::optional<std::int32_t> input;
    std::string time;
};

std::vector<column> columns_of(const recorded_press& press, std::string_view separator) {
    std::vector<column> columns{{"début", press.output_before, press.input_before, ""}};
    for (const line_change& change : press.changes) {
        column next = columns.back();
        (change.written ? next.output : next.input) = change.value;
        next.head = (change.written ? "W " : "R ") + std::to_string(change.value);
        next.time = change.since_previous ? interval_text(*change.since_previous, separator) : "";
        columns.push_back(std::move(next));
    }
    return columns;
}

double trace_top(int trace) {
    return traces_top + trace * trace_height + (trace >= 8 ? ports_gap : 0);
}

double column_left(std::size_t index) {
    return names_width + static_cast<double>(index) * column_width;
}

/// Line `bit` of `port` over every column: high or low, unknown (a grey middle line) before
/// the port's first access since start.
void draw_trace(timing_drawing& drawing, const std::vector<column>& columns, int trace,
                bool output) {
    const int bit = trace % 8;
    const double top = trace_top(trace);
    const double high = top + level_inset;
    const double low = top + trace_height - level_inset / 2;
    const panel_colours::rgb colour = output ? panel_colours::output_lit : panel_colours::input_lit;
    const std::string_view meaning =
        (output ? line_meanings::outputs : line_meanings::inputs)[static_cast<std::size_t>(bit)];
    // Appended, not summed: GCC 12 at -O3 sees an overlap in "S" + std::string (-Wrestrict).
    std::string name(output ? "S" : "E");
    name.append(std::to_string(bit)).append(" ").append(meaning);
    drawing.shapes.push_back(
        {form::text, 0.5, top, names_width, top + trace_height, ink, std::move(name)});
    int before = -1;  // the line in the column before: low 0, high 1, unknown -1
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::optional<std::int32_t> value = output ? columns[i].output : columns[i].input;
        const double left = column_left(i);
        const double right = left + column_width;
        if (!value) {
            drawing.shapes.push_back(
                {form::line, left, (high + low) / 2, right, (high + low) / 2, rule});
            before = -1;
            continue;
        }
        const bool on = ((*value >> bit) & 1) != 0;
        const double level = on ? high : low;
        if (on) {
            drawing.shapes.push_back(
                {form::fill, left, high, right, low, output ? output_fill : input_fill});
        }
        if (before >= 0 && (before == 1) != on) {
            drawing.shapes.push_back({form::line, left, high, left, low, colour});
        }
        drawing.shapes.push_back({form::line, left, level, right, level, colour});
        before = on ? 1 : 0;
    }
}

}  // namespace

timing_drawing draw_press(const recorded_press& press, std::string_view decimal_separator) {
    const std::vector<column> columns = columns_of(press, decimal_separator);
    const double bottom = trace_top(16);
    timing_drawing drawing{column_left(columns.size()) + 0.5, bottom + 1.5, {}};
    for (std::size_t i = 0; i < columns.size(); ++i) {  // the rules first, under the traces
        const double left = column_left(i);
        drawing.shapes.push_back({form::line, left, 0, left, bottom + 1.5, rule});
    }
    for (int trace = 0; trace < 16; ++trace) {
        draw_trace(drawing, columns, trace, trace < 8);
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const double left = column_left(i);
        const double right = left + column_width;
        drawing.shapes.push_back(
            {form::text, left, 0, right, 1, ink, columns[i].head, chart_shape::align::centre});
        drawing.shapes.push_back({form::text, left, bottom + 0.25, right, bottom + 1.25, ink,
                                  columns[i].time, chart_shape::align::centre});
    }
    return drawing;
}

std::string interval_text(clock::duration interval, std::string_view decimal_separator) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(interval).count();
    // Two or three figures: whole units from 10 up, one decimal below (or two, in seconds).
    const auto figures = [decimal_separator](std::int64_t tenths, std::string_view unit) {
        std::string text = std::to_string(tenths / 10);
        if (tenths < 100) {
            text += std::string(decimal_separator) + std::to_string(tenths % 10);
        }
        return text + " " + std::string(unit);
    };
    if (ns < 1'000) {
        return std::to_string(ns) + " ns";
    }
    if (ns < 1'000'000) {
        return std::to_string(ns / 1'000) + " µs";
    }
    if (ns < 1'000'000'000) {
        return figures(ns / 100'000, "ms");
    }
    const std::int64_t hundredths = ns / 10'000'000;
    if (hundredths < 1000) {
        std::string fraction = std::to_string(hundredths % 100);
        fraction.insert(0, 2 - fraction.size(), '0');
        return std::to_string(hundredths / 100) + std::string(decimal_separator) + fraction + " s";
    }
    return figures(ns / 100'000'000, "s");
}

}  // namespace helio
