// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "support/recorders.h"
#include "ttl/clock.h"
#include "ttl/number_text.h"
#include "ttl/port_access.h"

namespace helio::test {

struct simulated_port;
struct simulated_console;

/// Describes the simulated heliograph a test wants, then builds it:
/// `make_sim().step(50us).build()` for the whole console, or hands it to a fixture that is
/// one: `Fixture() : simulated_console(make_sim().instant())` (`simulated_port` for the port
/// alone).
class sim_builder {
  public:
    /// How far the clock moves at every reading (none by default: it moves when told).
    sim_builder& step(clock::duration per_reading) {
        step_ = per_reading;
        return *this;
    }
    /// The system's steady clock instead: for views whose timers run in real time.
    sim_builder& real_time() {
        real_time_ = true;
        return *this;
    }
    /// The mechanisms' travel times scaled by `scale` (1 is the instrument's; 0 arrives at once).
    sim_builder& travel_scale(double scale) {
        travel_scale_ = scale;
        return *this;
    }
    sim_builder& instant() { return travel_scale(0); }
    /// The operator's decimal separator ("," by default, as on a French PC).
    sim_builder& decimal_separator(std::string separator) {
        separator_ = std::move(separator);
        return *this;
    }
    /// GO reads the entry in `format` (by default, a format with the decimal separator).
    sim_builder& numbers(number_format format) {
        numbers_ = std::move(format);
        return *this;
    }
    /// Every read in the port recorder's events, not only counted.
    sim_builder& record_reads() {
        with_reads_ = true;
        return *this;
    }
    /// Defined in simulated_console.h.
    std::unique_ptr<simulated_console> build() const;

  private:
    friend struct simulated_port;
    friend struct simulated_console;
    clock::duration step_{};
    double travel_scale_ = 1.0;
    std::string separator_ = ",";
    std::optional<number_format> numbers_;
    bool real_time_ = false;
    bool with_reads_ = false;
};

inline sim_builder make_sim() {
    return {};
}

/// The simulated heliograph behind the console's port access, on simulated time (or real
/// time, if asked), with every access recorded.
struct simulated_port {
    explicit simulated_port(const sim_builder& wanted)
        : time(wanted.step_),
          clock_in_use(wanted.real_time_ ? static_cast<const clock&>(real_time) : time),
          ports(wanted.with_reads_) {
        controller.set_travel_scale(wanted.travel_scale_);
        port.set_listener(&ports);
    }

    simulated_port(const simulated_port&) = delete;
    simulated_port& operator=(const simulated_port&) = delete;

    manual_clock time;
    steady_clock_source real_time;
    const clock& clock_in_use;
    sim::heliograph_controller controller{clock_in_use};
    sim::simulated_component_factory factory{controller};
    port_access port{factory};
    /// The port's listener, until an instrument takes its place (and tells it in turn).
    event_recorder ports;
};

}  // namespace helio::test
