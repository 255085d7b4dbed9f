// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/timing_presenter.h"

#include <algorithm>
#include <array>

#include "console/panel_texts.h"

namespace helio {

namespace {

namespace c = timing_captions;
using enum panel_kind;

/// Who asked, in action_origin's order.
constexpr std::array<std::string_view, 3> origin_texts{"fenêtre", "panneau", "réseau"};

panel_control describe_timing_page() {
    panel_control press{.kind = text, .name = "timing_press", .stretch = true};
    press.longest =
        "Action 20 sur 20 : Alpaca : GO 255 (réseau) — 99 changements de plus "
        "non montrés — en cours";
    panel_control chart_area{.kind = chart, .name = "timing_chart", .stretch = true};
    chart_area.lines = timing_chart_lines;
    return {
        .kind = column,
        .caption = std::string(c::timing_page),
        .children = {
            {.kind = row,
             .children =
                 {{.kind = button, .name = "timing_previous", .caption = std::string(c::previous)},
                  press,
                  {.kind = button, .name = "timing_next", .caption = std::string(c::next)}}},
            {.kind = label, .caption = std::string(c::legend)},
            chart_area,
        }};
}

}  // namespace

timing_presenter::timing_presenter(instrument& device, const line_monitor& monitor)
    : device_(device), recorder_(device, monitor), description_(describe_timing_page()) {}

std::optional<std::size_t> timing_presenter::shown_index() const {
    const auto& presses = recorder_.presses();
    if (presses.empty()) {
        return std::nullopt;
    }
    const auto chosen = std::ranges::find(presses, shown_, [](const recorded_press& press) {
        return std::optional<std::uint64_t>(press.serial);
    });
    // A press no longer kept gives way to the oldest kept.
    if (!shown_ || chosen == presses.end()) {
        return shown_ && presses.front().serial > *shown_ ? 0 : presses.size() - 1;
    }
    return static_cast<std::size_t>(chosen - presses.begin());
}

panel_update timing_presenter::update() const {
    return {.controls = {{"timing_press", press_text()}, {"timing_chart", chart()}}};
}

std::string timing_presenter::press_text() const {
    const std::optional<std::size_t> index = shown_index();
    if (!index) {
        return std::string(c::nothing_yet);
    }
    const recorded_press& press = recorder_.presses()[*index];
    std::string text = "Action " + std::to_string(*index + 1) + " sur " +
                       std::to_string(recorder_.presses().size()) + " : " + press.label + " (" +
                       std::string(origin_texts.at(static_cast<std::size_t>(press.origin))) + ")";
    if (press.left_out != 0) {
        text += " — " + std::to_string(press.left_out) + " changements de plus non montrés";
    }
    return press.ended ? text : text + " — en cours";
}

timing_drawing timing_presenter::chart() const {
    const std::optional<std::size_t> index = shown_index();
    return index ? draw_press(recorder_.presses()[*index], device_.decimal_separator())
                 : timing_drawing{};
}

void timing_presenter::pressed(std::string_view name) {
    const std::optional<std::size_t> index = shown_index();
    if (!index) {
        return;
    }
    const auto& presses = recorder_.presses();
    if (name == "timing_previous" && *index > 0) {
        shown_ = presses[*index - 1].serial;
    } else if (name == "timing_next") {
        const bool newest = *index + 2 >= presses.size();
        shown_ = newest ? std::nullopt : std::optional(presses[*index + 1].serial);
    }
}

}  // namespace helio
