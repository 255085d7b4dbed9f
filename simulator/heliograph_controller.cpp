// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "simulator/heliograph_controller.h"

#include <utility>

#include "ttl/protocol.h"

namespace helio::sim {

namespace p = helio::protocol;

namespace {

int strobes(std::uint8_t lines) {
    return lines & p::strobe_mask;
}
int data(std::uint8_t lines) {
    return lines & ~p::strobe_mask & 0xFF;
}

}  // namespace

heliograph_controller::heliograph_controller(const clock& time)
    : clock_(time), mirror_(time), blades_(time) {}

void heliograph_controller::write_outputs(std::int32_t value) {
    if (value < 0 || value > 255) {
        report(violation_kind::value_out_of_range,
               "valeur " + std::to_string(value) + " hors de 0..255 (octet bas retenu)", value);
    }
    const auto lines = static_cast<std::uint8_t>(value & 0xFF);
    check_strobe_transition(value, lines);
    const bool rising = strobes(outputs_) == 0 && strobes(lines) != 0;
    outputs_ = lines;
    if (rising) {
        latch(lines);
    }
}

std::uint8_t heliograph_controller::read_inputs() const {
    int inputs = 0;
    if (sighting_button_) {
        inputs |= p::status_sighting_button;
    }
    const mirror_place place = mirror_.place();
    if (place == mirror_place::sighting) {
        inputs |= p::status_sighting_position;
    } else if (place == mirror_place::ccd) {
        inputs |= p::status_ccd_position;
    }
    if (blades_.in_position()) {
        inputs |= p::status_blades_in_position;
    }
    return static_cast<std::uint8_t>(inputs);
}

void heliograph_controller::report_wrong_port(std::int32_t port) {
    report(violation_kind::wrong_port, "accès au port " + std::to_string(port) + " au lieu de 91",
           outputs_);
}

void heliograph_controller::check_strobe_transition(std::int32_t value, std::uint8_t lines) {
    const bool was_strobed = strobes(outputs_) != 0;
    const bool is_strobed = strobes(lines) != 0;
    if (was_strobed && lines != outputs_ && (is_strobed || data(lines) != data(outputs_))) {
        report(violation_kind::data_changed_while_strobed,
               "lignes changées pendant un strobe (" + std::to_string(outputs_) + " puis " +
                   std::to_string(lines) + ")",
               value);
    } else if (!was_strobed && is_strobed && data(lines) != data(outputs_)) {
        report(violation_kind::strobe_with_new_data,
               "strobe levé en même temps que les données changent (" + std::to_string(outputs_) +
                   " puis " + std::to_string(lines) + ")",
               value);
    }
}

void heliograph_controller::latch(std::uint8_t lines) {
    switch (strobes(lines)) {
        case p::strobe_b:
            run_command(lines);
            break;
        case p::both_strobes:
            latch_low_part(lines);
            break;
        case p::strobe_a:
            latch_high_part(lines);
            break;
        default:
            break;
    }
}

void heliograph_controller::run_command(std::uint8_t lines) {
    switch (data(lines)) {
        case p::command_sighting:
            mirror_.move_to(mirror_place::sighting, scaled(mirror_mechanism::nominal_travel));
            break;
        case p::command_ccd:
            mirror_.move_to(mirror_place::ccd, scaled(mirror_mechanism::nominal_travel));
            break;
        case p::command_pusher:
            actuate_pusher(lines);
            break;
        default:
            report(violation_kind::unknown_command,
                   "code de commande inconnu " + std::to_string(data(lines)), lines);
            break;
    }
}

void heliograph_controller::latch_low_part(std::uint8_t lines) {
    if ((data(lines) & ~(p::setpoint_low_mask * p::setpoint_low_shift_factor)) != 0) {
        report(violation_kind::low_part_extra_bits,
               "partie basse de consigne avec les bits 6-7 (" + std::to_string(lines) + ")", lines);
    }
    low_bits_ = (lines / p::setpoint_low_shift_factor) & p::setpoint_low_mask;
    low_bits_fresh_ = true;
}

void heliograph_controller::latch_high_part(std::uint8_t lines) {
    if (!low_bits_fresh_) {
        report(violation_kind::high_part_without_low_part,
               "partie haute de consigne sans partie basse avant elle", lines);
    }
    low_bits_fresh_ = false;
    last_setpoint_ = (lines & p::setpoint_high_mask) | low_bits_;
    blades_.move_to(last_setpoint_, scaled(blade_mechanism::nominal_travel_per_code));
}

void heliograph_controller::actuate_pusher(std::uint8_t lines) {
    ++pusher_actuations_;
    if (!sighting_button_) {
        report(violation_kind::pusher_button_inactive,
               "poussoir actionné alors que le bouton de visée est inactif", lines);
    }
    if (mirror_.place() != mirror_place::sighting) {
        report(violation_kind::pusher_mirror_not_sighting,
               "poussoir actionné alors que le miroir n'est pas en position de visée", lines);
    }
}

void heliograph_controller::report(violation_kind kind, std::string description,
                                   std::int32_t value) {
    violations_.record(violation{kind, std::move(description), value, clock_.now()});
}

clock::duration heliograph_controller::scaled(clock::duration nominal) const {
    return std::chrono::duration_cast<clock::duration>(nominal * travel_scale_);
}

}  // namespace helio::sim
