// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

#include "simulator/mechanism_clock.h"

namespace helio::sim {

/// Where the two-position mirror is: at one of its stops, or travelling between them.
enum class mirror_place { sighting, ccd, travelling };

/// The mirror that sends the beam to the sighting eyepiece or to the CCD. It starts at the
/// CCD stop; a move takes a fixed travel time, during which it reports neither stop.
class mirror_mechanism {
  public:
    static constexpr std::chrono::milliseconds nominal_travel{1500};

    explicit mirror_mechanism(const clock& real) : clock_(real) {}

    void move_to(mirror_place stop, clock::duration travel_time);

    mirror_place place() const;
    /// The stop the mirror is at or heading for.
    mirror_place target() const { return target_; }

    bool stuck() const { return clock_.stuck(); }
    void set_stuck(bool stuck) { clock_.set_stuck(stuck); }

  private:
    mechanism_clock clock_;
    mirror_place target_ = mirror_place::ccd;
    clock::time_point arrival_{};
};

}  // namespace helio::sim
