// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

#include "sequences/sequence_context.h"
#include "support/recorders.h"
#include "support/scripted_component_factory.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio::test {

/// A sequence's context on a scripted component, on a clock that moves 1 us a reading, with
/// its accesses (and its reads too, if asked), its log lines and its waits recorded.
struct scripted_sequence {
    explicit scripted_sequence(bool with_reads = false) : ports(with_reads) {
        port.set_listener(&ports);
    }

    scripted_component_factory factory;
    port_access port{factory};
    manual_clock time{std::chrono::microseconds(1)};
    event_recorder ports;
    sequence_context context{port, time, ".", &ports};
};

}  // namespace helio::test
