// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_presenter.h"

#include <algorithm>

#include "console/fault_statuses.h"
#include "console/panel_texts.h"
#include "console/transcript_text.h"

namespace helio {

namespace {

std::array<std::string, 8> captions_of(const std::array<std::string_view, 8>& meanings) {
    std::array<std::string, 8> captions;
    for (int bit = 7; bit >= 0; --bit) {
        captions[static_cast<std::size_t>(7 - bit)] =
            "bit " + std::to_string(bit) + "\n" +
            std::string(meanings[static_cast<std::size_t>(bit)]);
    }
    return captions;
}

/// Before the first access nothing is known of the lines: every lamp is pale.
lamp_row_state lamps_of(std::optional<std::int32_t> value, panel_colours::rgb lit) {
    lamp_row_state row{.value = value ? std::to_string(*value) : "—"};
    for (int bit = 7; bit >= 0; --bit) {
        const bool on = value && ((*value >> bit) & 1) != 0;
        row.colours[static_cast<std::size_t>(7 - bit)] = !value ? panel_colours::unknown_lamp
                                                         : on   ? lit
                                                                : panel_colours::dark_lamp;
    }
    return row;
}

std::string wait_text(const line_monitor& monitor) {
    const std::optional<wait_record>& wait = monitor.last_wait();
    return "Attente d'un mécanisme : " +
           (wait ? wait_summary(*wait, monitor.decimal_separator()) : "aucune");
}

std::string access_counts_text(const line_monitor& monitor) {
    return "Accès au port : " + std::to_string(monitor.writes()) + " écriture(s), " +
           std::to_string(monitor.reads()) + " lecture(s)";
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

std::optional<std::size_t> travel_choice_index(double scale) {
    const auto choice = std::ranges::find(travel_choices, scale, &travel_choice::scale);
    if (choice == travel_choices.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(choice - travel_choices.begin());
}

}  // namespace

panel_presenter::panel_presenter(form1_model& model, const line_monitor& monitor,
                                 virtual_instrument* instrument, std::string_view title)
    : model_(model),
      monitor_(monitor),
      instrument_(instrument),
      title_(title),
      transcript_(monitor) {
    if (instrument_ != nullptr) {
        violations_.emplace(*instrument_, monitor_);
    }
    model_.context().wait_observers.add(*this);
}

panel_presenter::~panel_presenter() {
    model_.context().wait_observers.remove(*this);
}

std::array<std::string, 8> panel_presenter::output_lamp_captions() {
    return captions_of(line_meanings::outputs);
}

std::array<std::string, 8> panel_presenter::input_lamp_captions() {
    return captions_of(line_meanings::inputs);
}

std::vector<std::string> panel_presenter::fault_choices() {
    std::vector<std::string> choices;
    for (const named_status& status : fault_statuses) {
        choices.push_back(status_choice_text(status));
    }
    return choices;
}

std::vector<std::string> panel_presenter::travel_speeds() {
    std::vector<std::string> labels;
    for (const travel_choice& choice : travel_choices) {
        labels.emplace_back(choice.label);
    }
    return labels;
}

panel_update panel_presenter::update() {
    panel_update update{.monitor = monitor_now(), .transcript = transcript_.changes()};
    if (instrument_ != nullptr) {
        update.instrument = instrument_now();
        update.violations = violations_->changes();
    }
    return update;
}

monitor_state panel_presenter::monitor_now() const {
    monitor_state state{.outputs = lamps_of(monitor_.last_output(), panel_colours::output_lit),
                        .inputs = lamps_of(monitor_.last_input(), panel_colours::input_lit),
                        .wait = wait_text(monitor_),
                        .counts = access_counts_text(monitor_)};
    for (const status_line& line : monitor_.status_lines()) {
        state.status_lines.push_back(line.text);
    }
    return state;
}

instrument_state panel_presenter::instrument_now() const {
    const instrument_snapshot state = instrument_->snapshot();
    return {.mirror = mirror_text(state),
            .blades = blades_text(state, monitor_.decimal_separator()),
            .pusher = pusher_text(state),
            .sighting_button = state.sighting_button,
            .mirror_stuck = state.mirror_stuck,
            .blades_stuck = state.blades_stuck,
            .travel_speed = travel_choice_index(state.travel_scale),
            .armed_fault = entry_refused_ ? std::string(panel_captions::unknown_status)
                                          : armed_fault_text(state),
            .violation_count = violation_count_text(instrument_->violations_seen())};
}

void panel_presenter::set_sighting_button(bool active) {
    if (instrument_ != nullptr) {
        instrument_->set_sighting_button(active);
    }
}

void panel_presenter::set_mirror_stuck(bool stuck) {
    if (instrument_ != nullptr) {
        instrument_->set_mirror_stuck(stuck);
    }
}

void panel_presenter::set_blades_stuck(bool stuck) {
    if (instrument_ != nullptr) {
        instrument_->set_blades_stuck(stuck);
    }
}

void panel_presenter::choose_travel_speed(std::size_t index) {
    if (instrument_ != nullptr && index < travel_choices.size()) {
        instrument_->set_travel_scale(travel_choices[index].scale);
    }
}

void panel_presenter::arm_fault(std::string_view entry) {
    const std::optional<status_code> status = parse_failure_status(entry);
    entry_refused_ = !status;
    if (status && instrument_ != nullptr) {
        instrument_->fail_next_access(*status);
    }
}

void panel_presenter::cancel_fault() {
    if (instrument_ != nullptr) {
        instrument_->cancel_fault();
    }
}

void panel_presenter::still_waiting() {
    // What changed is painted by the keep-alive that comes next, or by the loop once the
    // wait is over.
    if (keep_alive_) {
        keep_alive_();
    }
}

}  // namespace helio
