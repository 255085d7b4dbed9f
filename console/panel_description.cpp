// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_description.h"

#include <array>
#include <utility>

#include "console/fault_statuses.h"
#include "console/panel_texts.h"
#include "console/virtual_instrument.h"

namespace helio {

namespace {

namespace c = panel_captions;
using enum panel_kind;

panel_control fixed(panel_kind kind, std::string_view caption) {
    return {.kind = kind, .caption = std::string(caption)};
}

panel_control named(panel_kind kind, std::string_view name, std::string_view caption = {}) {
    return {.kind = kind, .name = name, .caption = std::string(caption)};
}

panel_control holding(panel_kind kind, std::string_view caption,
                      std::vector<panel_control> children, bool stretch = false) {
    return {.kind = kind,
            .caption = std::string(caption),
            .stretch = stretch,
            .children = std::move(children)};
}

panel_control list(panel_kind kind, std::string_view name, std::vector<std::string> items,
                   std::string_view tip = {}) {
    return {.kind = kind, .name = name, .items = std::move(items), .tip = tip};
}

/// "bit 7\ncode 128" ... "bit 0\nstrobe A": bit 7 on the left, as a byte is written.
panel_control lamp_row(std::string_view name, const std::array<std::string_view, 8>& meanings) {
    std::vector<std::string> captions;
    for (int bit = 7; bit >= 0; --bit) {
        captions.push_back("bit " + std::to_string(bit) + "\n" +
                           std::string(meanings[static_cast<std::size_t>(bit)]));
    }
    return list(panel_kind::lamps, name, std::move(captions));
}

panel_control growing_list(std::string_view name, int lines_in_sight) {
    return {.kind = lines, .name = name, .lines = lines_in_sight, .stretch = true};
}

panel_control lines_box() {
    panel_control status = named(text, "status_lines");
    status.lines = 0;  // only as many as there are
    return holding(
        box, c::lines_box,
        {holding(pairs, {},
                 {holding(column, {}, {fixed(label, c::outputs_row), named(value, "output_value")}),
                  lamp_row("output_lamps", line_meanings::outputs),
                  holding(column, {}, {fixed(label, c::inputs_row), named(value, "input_value")}),
                  lamp_row("input_lamps", line_meanings::inputs)}),
         named(text, "wait"), named(text, "counts"), status});
}

panel_control transcript_box() {
    return holding(box, c::transcript_box,
                   {fixed(label, c::transcript_legend), growing_list("transcript", 20)},
                   /*stretch=*/true);
}

panel_control faults_box() {
    std::vector<std::string> statuses;
    for (const named_status& status : fault_statuses) {
        statuses.push_back(status_choice_text(status));
    }
    panel_control armed = named(text, "armed_fault");
    armed.lines = 2;  // the refusal of a typo takes two
    return holding(
        box, c::faults_box,
        {named(check, "mirror_stuck", c::mirror_stuck),
         named(check, "blades_stuck", c::blades_stuck), fixed(label, c::access_fault_prompt),
         list(entry, "fault_status", std::move(statuses), c::fault_status_tip),
         holding(row, {},
                 {named(button, "arm_fault", c::arm_fault),
                  named(button, "cancel_fault", c::cancel_fault)}),
         armed});
}

panel_control instrument_box() {
    std::vector<std::string> speeds;
    for (const travel_choice& choice : travel_choices) {
        speeds.emplace_back(choice.label);
    }
    panel_control violations = growing_list("violations", 6);
    violations.ink = panel_colours::violation;
    return holding(box, c::instrument_box,
                   {holding(pairs, {},
                            {fixed(label, c::mirror_row), named(text, "mirror_state"),
                             fixed(label, c::blades_row), named(text, "blades_state"),
                             fixed(label, c::pusher_row), named(text, "pusher_state")}),
                    named(check, "sighting_button", c::sighting_button), faults_box(),
                    holding(pairs, {},
                            {fixed(label, c::speed_row),
                             list(choice, "travel_speed", std::move(speeds), c::speed_tip)}),
                    holding(box, c::violations_box, {named(text, "violation_count"), violations},
                            /*stretch=*/true)});
}

}  // namespace

panel_control describe_panel(bool with_instrument) {
    panel_control monitor = holding(column, {}, {lines_box(), transcript_box()}, true);
    if (!with_instrument) {
        return holding(column, {}, {monitor});
    }
    panel_control parts = holding(row, {}, {monitor, instrument_box()}, true);
    parts.may_stack = true;
    return holding(column, {}, {named(banner, "simulation_banner", c::simulation_banner), parts});
}

const panel_control* find_panel_control(const panel_control& root, std::string_view name) {
    if (root.name == name) {
        return &root;
    }
    for (const panel_control& child : root.children) {
        if (const panel_control* found = find_panel_control(child, name)) {
            return found;
        }
    }
    return nullptr;
}

panel_control* find_panel_control(panel_control& root, std::string_view name) {
    return const_cast<panel_control*>(find_panel_control(std::as_const(root), name));
}

}  // namespace helio
