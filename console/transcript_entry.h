// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ttl/clock.h"
#include "ttl/instrument_event.h"

namespace helio {

/// One line of what the instrument did, as the panel's transcript keeps it and the trace
/// writes it. A run of identical reads shares one entry.
struct transcript_entry {
    enum class kind { write, read, spin, log, wait_began, wait_ended, failure, remote };

    kind what;
    std::uint64_t serial = 0;  ///< 0 for the first entry ever made, then one more each
    clock::time_point when{};  ///< of the first access the entry stands for
    std::int32_t value = 0;    ///< the byte written or read, the spin count, or the awaited bit
    std::uint64_t count = 1;   ///< identical reads in a row
    std::string text{};        ///< the logged line, the mechanism, the error, or the action
    clock::duration took{};    ///< wait_ended: how long the mechanism took
    bool arrived = false;      ///< wait_ended: it reported before the limit
};

/// The entry `event` makes, without its serial and time; none for what is no line of the
/// transcript (a keep-alive, the blades' moves, an action's end, an action not from the
/// network).
std::optional<transcript_entry> entry_of(const instrument_event& event);

/// Counts `event` into the run of reads `last` holds, if it is one more read of the same
/// byte: a wait reads back to back, hundreds of thousands of times a second.
inline bool join_run(transcript_entry& last, const instrument_event& event) {
    if (event.kind != event_kind::read || last.what != transcript_entry::kind::read ||
        last.value != event.value) {
        return false;
    }
    ++last.count;
    return true;
}

}  // namespace helio
