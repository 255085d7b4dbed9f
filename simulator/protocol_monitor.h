// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ttl/clock.h"
#include "ttl/observer_list.h"

namespace helio::sim {

enum class violation_kind {
    wrong_port,                  ///< a call on a port other than the TTL port
    value_out_of_range,          ///< a written value outside 0..255
    strobe_with_new_data,        ///< the strobe rose in the same write that changed the data
    data_changed_while_strobed,  ///< data (or the strobe pattern) changed with a strobe high
    high_part_without_low_part,  ///< setpoint high bits latched with no fresh low bits
    low_part_extra_bits,         ///< setpoint low part with bits 6-7 set
    unknown_command,             ///< strobe B latched a code that is not a command
    pusher_button_inactive,      ///< pusher actuated while the sighting button is off
    pusher_mirror_not_sighting,  ///< pusher actuated with the mirror away from sighting
};

struct violation {
    violation_kind kind;
    std::string description;  ///< French, for the maintainer's panel
    std::int32_t output_value;
    clock::time_point when;
};

class violation_observer {
  public:
    virtual ~violation_observer() = default;
    virtual void violation_recorded(const violation& found) = 0;
};

/// Every breach of the TTL protocol that the simulated controller has seen.
class protocol_monitor {
  public:
    void record(violation found);

    const std::vector<violation>& violations() const { return violations_; }
    std::size_t count(violation_kind kind) const;
    bool clean() const { return violations_.empty(); }
    void clear() { violations_.clear(); }

    void add_observer(violation_observer& observer) { observers_.add(observer); }
    void remove_observer(violation_observer& observer) { observers_.remove(observer); }

  private:
    std::vector<violation> violations_;
    observer_list<violation_observer> observers_;
};

}  // namespace helio::sim
