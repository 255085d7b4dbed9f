// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/transcript_entry.h"

namespace helio {

namespace {

using kind = transcript_entry::kind;

std::optional<kind> kind_of(const instrument_event& event) {
    switch (event.kind) {
        case event_kind::written:
            return kind::write;
        case event_kind::read:
            return kind::read;
        case event_kind::spun:
            return kind::spin;
        case event_kind::logged:
            return kind::log;
        case event_kind::wait_began:
            return kind::wait_began;
        case event_kind::wait_ended:
            return kind::wait_ended;
        case event_kind::error_shown:
            return kind::failure;
        case event_kind::action_began:
            // A press shows in its own lines; a client's action is named ahead of them.
            if (event.origin == action_origin::network) {
                return kind::remote;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<transcript_entry> entry_of(const instrument_event& event) {
    const std::optional<kind> what = kind_of(event);
    if (!what) {
        return std::nullopt;
    }
    transcript_entry entry{.what = *what, .value = event.value, .text = std::string(event.text)};
    if (*what == kind::remote) {
        entry.value = 0;
    } else if (*what == kind::wait_ended) {
        entry.took = event.took;
        entry.arrived = event.arrived;
    }
    return entry;
}

}  // namespace helio
