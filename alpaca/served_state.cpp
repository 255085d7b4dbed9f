// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/served_state.h"

#include <utility>

#include "sequences/setpoints.h"

namespace helio::alpaca {

bool served_state::connected(device_kind device) const {
    const std::scoped_lock lock(mutex_);
    return connected_[static_cast<std::size_t>(device)];
}

void served_state::set_connected(device_kind device, bool connected) {
    const std::scoped_lock lock(mutex_);
    connected_[static_cast<std::size_t>(device)] = connected;
}

served_state::position_answer served_state::blade_position() const {
    const std::scoped_lock lock(mutex_);
    if (remote_moves_waiting_ > 0 || blades_ == blade_place::moving) {
        return {};
    }
    switch (blades_) {
        case blade_place::arrived:
            // The wheel's slots are the setpoint table's entries, in order.
            return {static_cast<std::int32_t>(setpoint_index(blade_position_).value_or(0)), {}};
        case blade_place::failed:
            return {-1, blade_failure_};
        default:
            return {-1,
                    {error_numbers::blade_position_unknown,
                     "La position des lames est inconnue : elles n'ont pas été déplacées depuis "
                     "le démarrage de la console."}};
    }
}

void served_state::remote_move_posted() {
    const std::scoped_lock lock(mutex_);
    ++remote_moves_waiting_;
}

void served_state::remote_move_starting(std::int32_t position) {
    const std::scoped_lock lock(mutex_);
    --remote_moves_waiting_;
    blades_ = blade_place::moving;
    blade_position_ = position;
}

void served_state::remote_move_abandoned() {
    const std::scoped_lock lock(mutex_);
    --remote_moves_waiting_;
}

bool served_state::start_placing() {
    const std::scoped_lock lock(mutex_);
    const bool known = blades_ == blade_place::arrived || blades_ == blade_place::moving;
    if (known || remote_moves_waiting_ > 0) {
        return false;
    }
    ++placing_moves_;
    ++remote_moves_waiting_;  // Position is -1 from the answer to Connect on
    return true;
}

void served_state::placing_ended() {
    const std::scoped_lock lock(mutex_);
    --placing_moves_;
}

bool served_state::connecting(device_kind device) const {
    const std::scoped_lock lock(mutex_);
    return device == device_kind::filter_wheel && placing_moves_ > 0;
}

void served_state::blades_moving(std::int32_t position) {
    const std::scoped_lock lock(mutex_);
    blades_ = blade_place::moving;
    blade_position_ = position;
}

void served_state::blades_arrived(std::int32_t position) {
    const std::scoped_lock lock(mutex_);
    blades_ = blade_place::arrived;
    blade_position_ = position;
}

void served_state::blades_failed(alpaca_error failure) {
    const std::scoped_lock lock(mutex_);
    if (blades_ == blade_place::moving) {
        blades_ = blade_place::failed;
        blade_failure_ = std::move(failure);
    }
}

void served_state::change_posted(std::size_t id) {
    const std::scoped_lock lock(mutex_);
    ++changes_.at(id).pending;
}

void served_state::change_ended(std::size_t id, alpaca_error error) {
    const std::scoped_lock lock(mutex_);
    switch_change& change = changes_.at(id);
    --change.pending;
    change.last_error = std::move(error);
}

served_state::change_answer served_state::state_change(std::size_t id) const {
    const std::scoped_lock lock(mutex_);
    const switch_change& change = changes_.at(id);
    if (change.pending > 0) {
        return {false, {}};
    }
    return {true, change.last_error};
}

}  // namespace helio::alpaca
