// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "sequences/message_log.h"
#include "ttl/clock.h"
#include "ttl/instrument_event.h"
#include "ttl/port_access.h"

namespace helio {

/// Everything a sequence works with: the port, the log, the time, the decimal separator of
/// the operator's locale for the arrival messages, and who is told how the waits and the
/// blades' moves go (none: nobody).
struct sequence_context {
    port_access& port;
    message_log& log;
    const clock& time;
    std::string decimal_separator = ".";
    event_listener* events = nullptr;

    void tell(const instrument_event& event) const {
        if (events != nullptr) {
            events->on_event(event);
        }
    }
};

}  // namespace helio
