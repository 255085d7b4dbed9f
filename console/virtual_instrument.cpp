// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/virtual_instrument.h"

#include <cmath>

#include "console/transcript_text.h"
#include "sequences/blade_positioning.h"
#include "sequences/setpoints.h"

namespace helio {

namespace {

std::string stop_name(sim::mirror_place stop) {
    return stop == sim::mirror_place::sighting ? "position de visée" : "position CCD";
}

/// The ångströms of a setpoint code: "+0,5 Å", "0 Å (centre de la raie)", "hors de la table".
std::string angstrom_text(int code, std::string_view decimal_separator) {
    const std::optional<std::int32_t> position = position_of_code(code);
    if (!position) {
        return "hors de la table";
    }
    if (*position == 0) {
        return "0 Å, centre de la raie";
    }
    const auto angstroms = static_cast<float>(static_cast<double>(*position) / 10.0);
    std::string text = *position > 0 ? "+" : "";
    text += shortest_decimal(angstroms, decimal_separator);
    return text + " Å";
}

}  // namespace

virtual_instrument::virtual_instrument(sim::simulated_component_factory& factory)
    : factory_(factory) {}

instrument_snapshot virtual_instrument::snapshot() const {
    const sim::heliograph_controller& c = factory_.controller();
    return instrument_snapshot{
        .mirror = c.mirror().place(),
        .mirror_target = c.mirror().target(),
        .mirror_stuck = c.mirror().stuck(),
        .blade_code = c.blades().current_code(),
        .blade_target = c.blades().target_code(),
        .blades_in_position = c.blades().in_position(),
        .blades_stuck = c.blades().stuck(),
        .pusher_actuations = c.pusher_actuations(),
        .sighting_button = c.sighting_button(),
        .travel_scale = c.travel_scale(),
        .armed_fault = factory_.fault_pending() ? armed_status_ : std::nullopt,
    };
}

void virtual_instrument::fail_next_access(status_code status) {
    factory_.fault_next_access({sim::access_fault::kind::fail_call, status, {}});
    armed_status_ = status;
}

void virtual_instrument::cancel_fault() {
    factory_.clear_faults();
    armed_status_.reset();
}

std::string mirror_text(const instrument_snapshot& state) {
    std::string text = state.mirror == sim::mirror_place::travelling
                           ? "en mouvement vers la " + stop_name(state.mirror_target)
                           : "en " + stop_name(state.mirror);
    return state.mirror_stuck ? "BLOQUÉ — " + text : text;
}

std::string blades_text(const instrument_snapshot& state, std::string_view decimal_separator) {
    const std::string target = "code " + std::to_string(state.blade_target) + " (" +
                               angstrom_text(state.blade_target, decimal_separator) + ")";
    std::string text = target;
    if (!state.blades_in_position) {
        const auto passing = static_cast<long>(std::lround(state.blade_code));
        text = "en mouvement : code " + std::to_string(passing) + " → " + target;
    }
    return state.blades_stuck ? "BLOQUÉES — " + text : text;
}

std::string pusher_text(const instrument_snapshot& state) {
    if (state.pusher_actuations == 0) {
        return "jamais actionné";
    }
    return "actionné " + std::to_string(state.pusher_actuations) + " fois";
}

std::string violation_line(const sim::violation& found, clock::time_point origin,
                           std::string_view decimal_separator) {
    return time_column(found.when - origin, decimal_separator) + "  " + found.description +
           " (octet " + std::to_string(found.output_value) + ")";
}

}  // namespace helio
