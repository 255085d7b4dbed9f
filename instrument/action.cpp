// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/action.h"

#include <array>
#include <string_view>

#include "sequences/setpoints.h"

namespace helio {

namespace {

/// The code a move to `position` sends; a position outside the table is named as such, for
/// the move refuses it before sending anything.
std::string code_of(std::int32_t position) {
    const std::optional<std::size_t> index = setpoint_index(position);
    return index ? std::to_string(setpoint_table[*index]) : "position " + std::to_string(position);
}

/// What each kind of action is called, in action_kind's order; a blade move adds its code.
constexpr std::array<std::string_view, 8> names{
    "VISEE", "CCD", "POUSSOIR",        "consigne ",
    "GO ",   "GO ", "INIT TTL output", "lecture des entrées"};
static_assert(names.size() == static_cast<std::size_t>(action_kind::read_inputs) + 1);

}  // namespace

void write_action_label(const action& what, std::string& label) {
    label.clear();
    if (!what.asked_by.empty()) {
        label.append(what.asked_by).append(" : ");
    }
    label.append(names.at(static_cast<std::size_t>(what.kind)));
    if (what.kind == action_kind::go) {
        label.append(what.entry);
    } else if (what.kind == action_kind::blades_to || what.kind == action_kind::go_to) {
        label.append(code_of(what.position));
    }
}

}  // namespace helio
