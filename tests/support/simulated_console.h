// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <utility>

#include "console/form1_model.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "support/recorders.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio::test {

struct simulated_console;

/// Describes the console a test wants, then builds it: `make_sim().step(50us).build()`, or
/// gives it to a fixture that is one: `Fixture() : simulated_console(make_sim().instant())`.
class sim_builder {
  public:
    /// How far the clock moves at every reading (none by default: it moves when told).
    sim_builder& step(clock::duration per_reading) {
        step_ = per_reading;
        return *this;
    }
    /// Mechanisms that arrive at once.
    sim_builder& instant() {
        instant_ = true;
        return *this;
    }
    /// The operator's decimal separator ("," by default, as on a French PC).
    sim_builder& decimal_separator(std::string separator) {
        separator_ = std::move(separator);
        return *this;
    }
    /// Every read in the port recorder's events, not only counted.
    sim_builder& record_reads() {
        with_reads_ = true;
        return *this;
    }

    std::unique_ptr<simulated_console> build() const;

  private:
    friend struct simulated_console;
    clock::duration step_{};
    std::string separator_ = ",";
    bool instant_ = false;
    bool with_reads_ = false;
};

inline sim_builder make_sim() {
    return {};
}

/// The console's model on the simulated heliograph, on simulated time, with what it sent
/// and what the operator was told recorded.
struct simulated_console {
    explicit simulated_console(const sim_builder& wanted)
        : time(wanted.step_), model(port, time, wanted.separator_), ports(wanted.with_reads_) {
        model.set_host(&host);
        port.add_observer(ports);
        if (wanted.instant_) {
            controller.set_travel_scale(0);
        }
    }

    simulated_console(const simulated_console&) = delete;
    simulated_console& operator=(const simulated_console&) = delete;

    manual_clock time;
    sim::heliograph_controller controller{time};
    sim::simulated_component_factory factory{controller};
    port_access port{factory};
    form1_model model;
    host_recorder host;
    port_recorder ports;
};

inline std::unique_ptr<simulated_console> sim_builder::build() const {
    return std::make_unique<simulated_console>(*this);
}

}  // namespace helio::test
