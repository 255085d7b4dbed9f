// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_presenter.h"

#include <algorithm>
#include <utility>

#include "console/fault_statuses.h"
#include "console/panel_texts.h"
#include "console/transcript_text.h"
#include "sequences/status_wait.h"
#include "sequences/strobed_commands.h"

namespace helio {

namespace {

/// Before the first access nothing is known of the lines: every lamp is pale.
lamp_colours lamp_colours_of(std::optional<std::int32_t> value, panel_colours::rgb lit) {
    lamp_colours colours{};
    for (int bit = 7; bit >= 0; --bit) {
        const bool on = value && ((*value >> bit) & 1) != 0;
        colours[static_cast<std::size_t>(7 - bit)] = !value ? panel_colours::unknown_lamp
                                                     : on   ? lit
                                                            : panel_colours::dark_lamp;
    }
    return colours;
}

std::string byte_text(std::optional<std::int32_t> value) {
    return value ? std::to_string(*value) : "—";
}

std::string wait_text(const std::optional<wait_record>& wait, std::string_view decimal_separator) {
    return "Attente d'un mécanisme : " + (wait ? wait_summary(*wait, decimal_separator) : "aucune");
}

/// The longest wait line: the mirror's wait for the sighting stop, the longest name of a
/// mechanism, given up on at the limit.
std::string longest_wait_text(std::string_view decimal_separator) {
    return wait_text(wait_record{.mechanism = std::string(sighting_arrival.mechanism),
                                 .bit = sighting_arrival.bit,
                                 .took = status_wait_limit},
                     decimal_separator);
}

std::string access_counts_text(const line_monitor& monitor) {
    return "Accès au port : " + std::to_string(monitor.writes()) + " écriture(s), " +
           std::to_string(monitor.reads()) + " lecture(s)";
}

std::string status_lines_text(const line_monitor& monitor) {
    std::string text;
    for (const status_line& line : monitor.status_lines()) {
        text += (text.empty() ? "" : "\n") + line.text;
    }
    return text;
}

std::string armed_fault_text(const instrument_snapshot& state) {
    if (!state.armed_fault) {
        return "Aucune panne d'accès armée.";
    }
    return "Armée : le prochain accès échouera avec " + status_hex(*state.armed_fault) + ".";
}

std::string violation_count_text(std::uint64_t seen) {
    if (seen == 0) {
        return "Aucune violation.";
    }
    return std::to_string(seen) + " violation(s) depuis le démarrage.";
}

using switch_setter = void (virtual_instrument::*)(bool);

constexpr std::array<std::pair<std::string_view, switch_setter>, 3> switches{{
    {"sighting_button", &virtual_instrument::set_sighting_button},
    {"mirror_stuck", &virtual_instrument::set_mirror_stuck},
    {"blades_stuck", &virtual_instrument::set_blades_stuck},
}};

}  // namespace

panel_presenter::panel_presenter(instrument& device, const line_monitor& monitor,
                                 virtual_instrument* simulated, std::string_view title)
    : device_(device),
      monitor_(monitor),
      instrument_(simulated),
      title_(title),
      description_(describe_panel(simulated != nullptr)),
      timing_(device, monitor),
      transcript_(monitor),
      fault_entry_(status_choice_text(fault_statuses.front())) {  // what the entry shows first
    find_panel_control(description_, "wait")->longest =
        longest_wait_text(monitor_.decimal_separator());
    if (instrument_ != nullptr) {
        violations_.emplace(*instrument_, monitor_);
    }
    device_.add_listener(*this, {event_kind::still_waiting});
}

panel_presenter::~panel_presenter() {
    device_.remove_listener(*this);
}

panel_update panel_presenter::update() {
    panel_update update;
    add_monitor(update);
    if (instrument_ != nullptr) {
        add_instrument(update);
    }
    return update;
}

void panel_presenter::add_monitor(panel_update& update) {
    // The status lines take the room they wrap to, and nothing when there are none.
    std::string status = status_lines_text(monitor_);
    std::string& kept_for = find_panel_control(description_, "status_lines")->longest;
    update.relayout = kept_for != status;
    kept_for = status;
    update.controls = {
        {"output_lamps", lamp_colours_of(monitor_.last_output(), panel_colours::output_lit)},
        {"output_value", byte_text(monitor_.last_output())},
        {"input_lamps", lamp_colours_of(monitor_.last_input(), panel_colours::input_lit)},
        {"input_value", byte_text(monitor_.last_input())},
        {"wait", wait_text(monitor_.last_wait(), monitor_.decimal_separator())},
        {"counts", access_counts_text(monitor_)},
        {"status_lines", std::move(status)},
        {"transcript", transcript_.changes()},
    };
}

void panel_presenter::add_instrument(panel_update& update) {
    const instrument_snapshot state = instrument_->snapshot();
    const std::string_view separator = monitor_.decimal_separator();
    update.controls.insert(
        update.controls.end(),
        {
            {"mirror_state", mirror_text(state)},
            {"blades_state", blades_text(state, separator)},
            {"pusher_state", pusher_text(state)},
            {"sighting_button", state.sighting_button},
            {"mirror_stuck", state.mirror_stuck},
            {"blades_stuck", state.blades_stuck},
            {"armed_fault", entry_refused_ ? std::string(panel_captions::unknown_status)
                                           : armed_fault_text(state)},
            {"violation_count", violation_count_text(instrument_->violations().seen())},
            {"violations", violations_->changes()},
        });
    const auto speed = std::ranges::find(travel_choices, state.travel_scale, &travel_choice::scale);
    if (speed != travel_choices.end()) {  // a scale set from elsewhere is none of the list
        update.controls.emplace_back("travel_speed",
                                     static_cast<std::size_t>(speed - travel_choices.begin()));
    }
}

void panel_presenter::toggled(std::string_view name, bool on) {
    for (const auto& [control, set] : switches) {
        if (control == name && instrument_ != nullptr) {
            (instrument_->*set)(on);
        }
    }
    changed();
}

void panel_presenter::chosen(std::string_view name, std::size_t index) {
    if (name == "fault_status") {  // a line of the entry's list, picked
        const std::vector<std::string>& lines = find_panel_control(description_, name)->items;
        typed(name, index < lines.size() ? lines[index] : "");
    } else if (name == "travel_speed" && instrument_ != nullptr && index < travel_choices.size()) {
        instrument_->set_travel_scale(travel_choices[index].scale);
    }
    changed();
}

void panel_presenter::typed(std::string_view name, std::string_view text) {
    if (name == "fault_status") {
        fault_entry_ = text;
        entry_refused_ = false;  // a new entry, judged when armed
    }
}

void panel_presenter::pressed(std::string_view name) {
    if (instrument_ != nullptr && name == "arm_fault") {
        const std::optional<status_code> status = parse_failure_status(fault_entry_);
        entry_refused_ = !status;
        if (status) {
            instrument_->fail_next_access(*status);
        }
    } else if (instrument_ != nullptr && name == "cancel_fault") {
        instrument_->cancel_fault();
    } else {
        timing_.pressed(name);
    }
    changed();
}

void panel_presenter::on_event(const instrument_event& /*still_waiting*/) {
    // What changed is painted by the keep-alive that comes next, or by the loop once the
    // wait is over.
    changed();
}

void panel_presenter::changed() const {
    if (changed_) {
        changed_();
    }
}

}  // namespace helio
