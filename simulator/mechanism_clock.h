// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ttl/clock.h"

namespace helio::sim {

/// The time a simulated mechanism lives in: it follows the real clock, and stands still
/// while the mechanism is stuck, so a move in progress neither advances nor ends. A move
/// commanded while stuck does not end either, even one of no distance: a stuck mechanism
/// never reports that it arrived.
class mechanism_clock {
  public:
    explicit mechanism_clock(const clock& real) : real_(real) {}

    clock::time_point now() const { return (stuck_ ? stuck_since_ : real_.now()) - time_lost_; }

    bool stuck() const { return stuck_; }

    /// Notes that a move was just commanded.
    void move_commanded() { move_held_ = stuck_; }

    /// True when the move under way has arrived at `arrival`.
    bool arrived(clock::time_point arrival) const { return !move_held_ && now() >= arrival; }

    void set_stuck(bool stuck) {
        if (stuck == stuck_) {
            return;
        }
        const clock::time_point real_now = real_.now();
        if (stuck) {
            stuck_since_ = real_now;
        } else {
            time_lost_ += real_now - stuck_since_;
            move_held_ = false;
        }
        stuck_ = stuck;
    }

  private:
    const clock& real_;
    bool stuck_ = false;
    bool move_held_ = false;
    clock::time_point stuck_since_{};
    clock::duration time_lost_{};
};

}  // namespace helio::sim
