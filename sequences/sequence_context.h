// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ttl/clock.h"
#include "ttl/instrument_event.h"
#include "ttl/port_access.h"

namespace helio {

/// Everything a sequence works with: the port, the time, the decimal separator of the
/// operator's locale for the arrival messages, and who is told what it logs, how its waits
/// go and how the blades move (none: nobody).
struct sequence_context {
    port_access& port;
    const clock& time;
    std::string decimal_separator = ".";
    event_listener* events = nullptr;

    void tell(const instrument_event& event) const {
        if (events != nullptr) {
            events->on_event(event);
        }
    }

    /// A line of the console's message log.
    void log_line(const std::string& text) const {
        tell({.kind = event_kind::logged, .text = text});
    }
};

}  // namespace helio
