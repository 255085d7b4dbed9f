// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/action.h"

#include "sequences/setpoints.h"

namespace helio {

namespace {

/// The code a move to `position` sends; a position outside the table is named as such, for
/// the move refuses it before sending anything.
std::string code_of(std::int32_t position) {
    const std::optional<std::size_t> index = setpoint_index(position);
    return index ? std::to_string(setpoint_table[*index]) : "position " + std::to_string(position);
}

}  // namespace

std::string action_name(const action& what) {
    switch (what.kind) {
        case action_kind::sighting:
            return "VISEE";
        case action_kind::ccd:
            return "CCD";
        case action_kind::pusher:
            return "POUSSOIR";
        case action_kind::blades_to:
            return "consigne " + code_of(what.position);
        case action_kind::go:
            return "GO " + what.entry;
        case action_kind::go_to:
            return "GO " + code_of(what.position);
        case action_kind::reset_outputs:
            return "INIT TTL output";
        case action_kind::read_inputs:
            break;
    }
    return "lecture des entrées";
}

std::string action_label(const action& what) {
    const std::string name = action_name(what);
    return what.asked_by.empty() ? name : what.asked_by + " : " + name;
}

}  // namespace helio
