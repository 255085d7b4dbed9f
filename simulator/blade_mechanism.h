// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

#include "simulator/mechanism_clock.h"

namespace helio::sim {

/// The H-alpha filter blades: they move to an 8-bit setpoint code at a fixed time per code
/// unit and report "in position" only when they have arrived.
class blade_mechanism {
  public:
    static constexpr std::chrono::milliseconds nominal_travel_per_code{20};
    static constexpr int initial_code = 128;

    explicit blade_mechanism(const clock& real) : clock_(real) {}

    void move_to(int code, clock::duration travel_per_code);

    bool in_position() const { return clock_.arrived(arrival_); }
    /// The code the blades are at, passing through while they travel.
    double current_code() const;
    int target_code() const { return target_; }
    /// When the move under way ends, on the mechanism's own time: the real clock's, less
    /// the time the blades have spent stuck.
    clock::time_point arrival_time() const { return arrival_; }

    bool stuck() const { return clock_.stuck(); }
    void set_stuck(bool stuck) { clock_.set_stuck(stuck); }

  private:
    mechanism_clock clock_;
    double start_code_ = initial_code;
    int target_ = initial_code;
    clock::time_point departure_{};
    clock::time_point arrival_{};
};

}  // namespace helio::sim
