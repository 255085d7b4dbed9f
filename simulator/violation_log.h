// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "ttl/clock.h"

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

/// The breaches of the TTL protocol that the simulated controller has seen: the newest
/// `kept`, oldest first, and how many in all, so that a long run of them costs no more than
/// the panel shows.
class violation_log {
  public:
    static constexpr std::size_t kept = 500;

    void record(violation found);

    const std::deque<violation>& newest() const { return newest_; }
    /// Every breach recorded since the start or the last clear(), kept or not.
    std::uint64_t seen() const { return seen_; }
    /// Those of `kind` among the kept.
    std::size_t count(violation_kind kind) const;
    bool clean() const { return seen_ == 0; }
    void clear();

  private:
    std::deque<violation> newest_;
    std::uint64_t seen_ = 0;
};

}  // namespace helio::sim
