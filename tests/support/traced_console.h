// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <sstream>

#include "console/trace_writer.h"
#include "support/simulated_console.h"

namespace helio::test {

/// The console on the simulated heliograph, on simulated time, with its trace written to
/// a string as `--trace` would write it to a file.
struct traced_console : simulated_console {
    explicit traced_console(clock::duration step_per_reading)
        : simulated_console(make_sim().step(step_per_reading).decimal_separator(".")) {}

    std::ostringstream out;
    trace_writer trace{out, device};
};

}  // namespace helio::test
