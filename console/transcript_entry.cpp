// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/transcript_entry.h"

#include <array>

namespace helio {

namespace {

using kind = transcript_entry::kind;

/// The entry each kind of event makes, in event_kind's order.
constexpr std::array<std::optional<kind>, 12> entry_kinds{
    kind::write,      kind::read, kind::spin, kind::log,
    kind::wait_began,  // wait_began
    std::nullopt,      // still_waiting
    kind::wait_ended,  // wait_ended
    std::nullopt,      // blades_moving: the setpoint's writes and the log say it
    std::nullopt,      // blades_arrived
    kind::remote,      // action_began, from the network only
    std::nullopt,      // action_ended
    kind::failure,     // error_shown
};
static_assert(entry_kinds.size() == static_cast<std::size_t>(event_kind::error_shown) + 1);

}  // namespace

std::optional<transcript_entry> entry_of(const instrument_event& event) {
    const std::optional<kind> what = entry_kinds.at(static_cast<std::size_t>(event.kind));
    // A press shows in its own lines; a client's action is named ahead of them.
    if (!what || (*what == kind::remote && event.origin != action_origin::network)) {
        return std::nullopt;
    }
    transcript_entry entry{.what = *what, .value = event.value, .text = std::string(event.text)};
    if (*what == kind::remote) {
        entry.value = 0;
    }
    entry.took = event.took;
    entry.arrived = event.arrived;
    return entry;
}

}  // namespace helio
