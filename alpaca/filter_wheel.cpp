// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/filter_wheel.h"

#include <cstdio>
#include <cstdlib>

#include "alpaca/common_members.h"

namespace helio::alpaca {

namespace {

constexpr device_identity identity{
    device_kind::filter_wheel,
    "filterwheel",
    "FilterWheel",
    "Lames H-alpha",
    "Lames filtrantes H-alpha de l'héliographe : 21 positions de -1,0 Å à +1,0 Å autour du "
    "centre de la raie, par pas de 0,1 Å (position 10 : centre de la raie).",
    3,
};

/// A slot is the index of its entry in the setpoint table.
std::size_t to_index(std::int32_t slot) {
    return static_cast<std::size_t>(slot);
}

nlohmann::json slot_names() {
    nlohmann::json names = nlohmann::json::array();
    for (std::int32_t slot = 0; slot < wheel_slots; ++slot) {
        names.push_back(slot_name(slot));
    }
    return names;
}

void answer_position(served_state& state, const member_answer& answer) {
    const served_state::position_answer position = state.blade_position();
    if (position.error) {
        answer({std::nullopt, position.error});
    } else {
        answer(value_of(position.slot));
    }
}

/// A connection with the blades' place unknown brings them to the line centre, as the "H
/// alpha" button does, so that a connected wheel is always at a slot once stationary.
void place_blades(device_context& context, const member_call& call) {
    if (!context.state.start_placing()) {
        return;
    }
    served_state& state = context.state;
    context.console.submit({client_action(action_kind::blades_to, caller_name(call), 0),
                            [&state](const command_outcome&) { state.placing_ended(); }});
}

void move_to_slot(device_context& context, const member_call& call, const member_answer& answer) {
    const std::int32_t slot = std::get<std::int32_t>(call.arguments.front());
    if (slot < 0 || slot >= wheel_slots) {
        answer(failure(error_numbers::invalid_value,
                       "Position " + std::to_string(slot) +
                           " hors de la roue : les positions vont de 0 à 20."));
        return;
    }
    // Position reads -1 from this answer on, until the blades report; how the move ended
    // is Position's to tell.
    context.state.remote_move_posted();
    context.console.submit(
        {client_action(action_kind::go_to, caller_name(call), position_at(to_index(slot))),
         [](const command_outcome&) {}});
    answer({});
}

nlohmann::json device_state_list(served_state& state) {
    nlohmann::json list = nlohmann::json::array();
    const served_state::position_answer position = state.blade_position();
    if (!position.error) {
        list.push_back(state_entry("Position", position.slot));
    }
    return timestamped(std::move(list));
}

}  // namespace

std::string slot_name(std::int32_t slot) {
    const std::int32_t position = position_at(to_index(slot));
    if (position == 0) {
        return "Centre Raie";
    }
    char text[24];
    std::snprintf(text, sizeof text, "H alpha %c%d.%d A", position < 0 ? '-' : '+',
                  std::abs(position) / 10, std::abs(position) % 10);
    return text;
}

served_device filter_wheel(device_context& context) {
    served_state& state = context.state;
    std::vector<device_member> members = common_members(
        identity, context,
        {.on_connect = [&context](const member_call& call) { place_blades(context, call); }});
    members.push_back(
        {"focusoffsets", verb::get, {}, true, [](const member_call&, member_answer answer) {
             answer(value_of(nlohmann::json(std::vector<int>(wheel_slots, 0))));
         }});
    members.push_back({"names", verb::get, {}, true, [](const member_call&, member_answer answer) {
                           answer(value_of(slot_names()));
                       }});
    members.push_back(
        {"position", verb::get, {}, true, [&state](const member_call&, member_answer answer) {
             answer_position(state, answer);
         }});
    members.push_back({"position",
                       verb::put,
                       {{"Position", value_type::integer}},
                       true,
                       [&context](const member_call& call, member_answer answer) {
                           move_to_slot(context, call, answer);
                       }});
    members.push_back(
        {"devicestate", verb::get, {}, true, [&state](const member_call&, member_answer answer) {
             answer(value_of(device_state_list(state)));
         }});
    return {identity, std::move(members)};
}

}  // namespace helio::alpaca
