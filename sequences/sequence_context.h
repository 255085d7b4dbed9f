// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "sequences/message_log.h"
#include "ttl/clock.h"
#include "ttl/observer_list.h"
#include "ttl/port_access.h"

namespace helio {

/// A wait for one status bit of the input lines.
struct status_wait {
    std::string_view mechanism;  ///< French name, as the operator's messages give it
    std::int32_t status_value;   ///< the bit's value, 2, 4 or 8
    int bit;
};

/// Told how each wait for a mechanism goes; still_waiting comes about every
/// keep_alive_interval so that the window can repaint while the sequence holds it.
class wait_observer {
  public:
    virtual ~wait_observer() = default;
    virtual void wait_began(const status_wait& /*wait*/) {}
    virtual void still_waiting() {}
    virtual void wait_ended(const status_wait& /*wait*/, clock::duration /*took*/,
                            bool /*arrived*/) {}
};

/// Told of every move of the blades: the position asked for as its setpoint goes out, and
/// again once the blades have reported their arrival. A move that fails in between is
/// never reported as arrived.
class blade_observer {
  public:
    virtual ~blade_observer() = default;
    virtual void blades_moving(std::int32_t /*position*/) {}
    virtual void blades_arrived(std::int32_t /*position*/) {}
};

/// Everything a sequence works with: the port, the log, the time, and the decimal
/// separator of the operator's locale for the arrival messages.
struct sequence_context {
    port_access& port;
    message_log& log;
    const clock& time;
    std::string decimal_separator = ".";
    observer_list<wait_observer> wait_observers{};
    observer_list<blade_observer> blade_observers{};
};

}  // namespace helio
