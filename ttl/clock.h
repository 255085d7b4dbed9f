// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace helio {

/// Monotonic time, injected wherever the console or the simulator measures time, so that
/// tests can run a 60-second wait or a 1.5-second mirror travel in no time at all.
class clock {
  public:
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<clock, duration>;

    virtual ~clock() = default;
    virtual time_point now() const = 0;
};

/// The machine's steady clock.
class steady_clock_source final : public clock {
  public:
    time_point now() const override {
        return time_point(std::chrono::duration_cast<duration>(
            std::chrono::steady_clock::now().time_since_epoch()));
    }
};

/// A clock that moves only when told to, and optionally by a fixed step at every reading,
/// so that a loop which polls the time always sees it advance.
class manual_clock final : public clock {
  public:
    explicit manual_clock(duration step_per_reading = duration::zero()) : step_(step_per_reading) {}

    time_point now() const override {
        const time_point reading = now_;
        now_ += step_;
        return reading;
    }

    void advance(duration by) { now_ += by; }
    void set_step(duration step_per_reading) { step_ = step_per_reading; }

  private:
    mutable time_point now_{};
    duration step_;
};

}  // namespace helio
