// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "console/form1_model.h"
#include "instrument/instrument.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio::bench {

/// The console's objects over the simulated heliograph on the machine's clock, built as
/// the console builds them at start-up, without a window.
struct simulated_console {
    explicit simulated_console(std::string decimal_separator = ".")
        : device(port, time, std::move(decimal_separator)) {}

    steady_clock_source time;
    sim::heliograph_controller controller{time};
    sim::simulated_component_factory factory{controller};
    port_access port{factory};
    instrument device;
    form1_model model{device};
};

}  // namespace helio::bench
