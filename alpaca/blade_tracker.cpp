// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/blade_tracker.h"

#include "alpaca/command_errors.h"

namespace helio::alpaca {

blade_tracker::blade_tracker(form1_model& model, device_state& state)
    : model_(model), state_(state) {
    model_.context().blade_observers.add(*this);
    model_.add_failure_observer(*this);
}

blade_tracker::~blade_tracker() {
    model_.remove_failure_observer(*this);
    model_.context().blade_observers.remove(*this);
}

void blade_tracker::blades_moving(std::int32_t position) {
    state_.blades_moving(position);
}

void blade_tracker::blades_arrived(std::int32_t position) {
    state_.blades_arrived(position);
}

void blade_tracker::error_reported(const std::string& message) {
    // Only a sequence that was moving the blades leaves them somewhere unknown; an error
    // found outside any command (the I/O component out of reach at start) moved nothing.
    if (const std::exception_ptr failure = model_.current_failure()) {
        state_.blades_failed(error_for(failure, message));
    }
}

}  // namespace helio::alpaca
