// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <sstream>

#include "console/form1_model.h"
#include "console/trace_writer.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"
#include "ttl/clock.h"
#include "ttl/ttl_lines.h"

namespace helio::test {

/// The console's model on the simulated heliograph, on simulated time, with its trace
/// written to a string as `--trace` would write it to a file.
struct traced_console {
    explicit traced_console(clock::duration step_per_reading) : time(step_per_reading) {}

    manual_clock time;
    sim::heliograph_controller controller{time};
    sim::simulated_device device{controller};
    ttl_lines lines{device};
    form1_model model{lines, time, "."};
    std::ostringstream out;
    trace_writer trace{out, model};
};

}  // namespace helio::test
