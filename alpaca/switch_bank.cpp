// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/switch_bank.h"

#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include "alpaca/common_members.h"
#include "sequences/status_wait.h"
#include "ttl/protocol.h"

namespace helio::alpaca {

namespace {

constexpr device_identity identity{
    device_kind::switch_bank,
    "switch",
    "Switch",
    "Commandes TTL",
    "Miroir à deux positions et bouton de visée de l'héliographe ; le poussoir et la remise à "
    "zéro des sorties TTL en Actions (Poussoir, InitSortiesTTL), comme les boutons de la "
    "console.",
    3,
};

/// How a switch's state is known.
enum class reading {
    mirror,           ///< input bit 1 (sighting stop) or bit 2 (CCD stop)
    sighting_button,  ///< input bit 0
};

/// Every switch is latched: it reads back what was set, from the port. What acts without
/// staying (the pusher, INIT) is an Action.
struct switch_spec {
    std::string_view name;
    std::string_view description;
    bool can_write;  ///< and so can change asynchronously
    reading how_read;
};

constexpr std::array<switch_spec, switch_count> switches{{
    {"Miroir VISEE / CCD",
     "Miroir à deux positions, boutons VISEE et CCD : faux en position de visée, vrai en "
     "position CCD (entrées TTL bits 1 et 2).",
     true, reading::mirror},
    {"Bouton de visee",
     "Bouton de visée de l'opérateur (entrée TTL bit 0) : vrai quand il est actif et que le "
     "poussoir est permis. Lecture seule.",
     false, reading::sighting_button},
}};

/// The Actions: the buttons that act without leaving a state to read back.
const std::vector<device_action> actions{
    {"Poussoir", action_kind::pusher},
    {"InitSortiesTTL", action_kind::reset_outputs},
};

/// The switch a request names, or why it names none.
const switch_spec* find_switch(std::int32_t id, const member_answer& answer) {
    if (id < 0 || static_cast<std::size_t>(id) >= switch_count) {
        answer(failure(
            error_numbers::invalid_value,
            "Interrupteur " + std::to_string(id) + " inexistant : les numéros vont de 0 à 1."));
        return nullptr;
    }
    return &switches[static_cast<std::size_t>(id)];
}

/// The state of `spec` in `input_byte`, or the reason it has none.
member_result state_in(const switch_spec& spec, std::int32_t input_byte) {
    if (spec.how_read == reading::sighting_button) {
        return value_of(status_set(input_byte, protocol::status_sighting_button));
    }
    const bool sighting = status_set(input_byte, protocol::status_sighting_position);
    const bool ccd = status_set(input_byte, protocol::status_ccd_position);
    if (sighting != ccd) {
        return value_of(ccd);
    }
    return failure(error_numbers::invalid_operation,
                   "Le miroir n'est ni en position de visée ni en position CCD : il est en "
                   "mouvement, ou bloqué.");
}

/// Reads the state of `spec` from the port and answers it, as a boolean or as a value 0.0
/// or 1.0.
void answer_state(device_context& context, const member_call& call, const switch_spec& spec,
                  bool as_value, member_answer answer) {
    context.console.submit({client_action(action_kind::read_inputs, caller_name(call)),
                            [&spec, as_value, answer](const command_outcome& outcome) {
                                member_result state =
                                    outcome.error ? member_result{std::nullopt, outcome.error}
                                                  : state_in(spec, *outcome.input_byte);
                                if (as_value && state.value) {
                                    state.value = state.value->get<bool>() ? 1.0 : 0.0;
                                }
                                answer(std::move(state));
                            }});
}

/// The mirror's sequence for a state: the CCD stop for true, the sighting stop for false.
action_kind command_for(bool state) {
    return state ? action_kind::ccd : action_kind::sighting;
}

/// Sets switch `id` (the mirror) to `state`, and StateChangeComplete reads false until its
/// sequence ends. SetAsync and SetAsyncValue (`later`) answer at once; SetSwitch and
/// SetSwitchValue once the sequence has ended, or when the client's patience runs out first
/// (it waits behind a long one, or the mirror is slow to report).
void change_switch(device_context& context, const member_call& call, std::size_t id, bool state,
                   bool later, member_answer answer) {
    served_state& shared = context.state;
    shared.change_posted(id);
    // Set before the request is posted, then read and set on the console's thread only.
    auto answered = std::make_shared<bool>(later);
    client_request request{client_action(command_for(state), caller_name(call)),
                           [&shared, id, answer, answered](const command_outcome& outcome) {
                               shared.change_ended(id, outcome.error);
                               if (!std::exchange(*answered, true)) {
                                   answer({std::nullopt, outcome.error});
                               }
                           }};
    if (!later) {
        request.overdue = [answer, answered] {
            if (!std::exchange(*answered, true)) {
                answer({});
            }
        };
    }
    context.console.submit(std::move(request));
    if (later) {
        answer({});
    }
}

/// A value for a boolean switch: 0 to 1, rounded to the nearer of the two.
std::optional<bool> state_of_value(double value, const member_answer& answer) {
    if (!(value >= 0.0 && value <= 1.0)) {
        answer(failure(error_numbers::invalid_value,
                       "Valeur " + std::to_string(value) + " hors de l'intervalle 0 à 1."));
        return std::nullopt;
    }
    return std::lround(value) == 1;
}

bool writable(const switch_spec& spec, const member_answer& answer) {
    if (!spec.can_write) {
        answer(failure(error_numbers::not_implemented,
                       std::string(spec.name) + " se lit seulement : il ne s'écrit pas."));
    }
    return spec.can_write;
}

constexpr parameter_spec id_parameter{"Id", value_type::integer};

/// A member whose first parameter is the switch's Id: `run` gets the switch once found.
template <class Run>
device_member per_switch(std::string_view name, alpaca::verb verb, std::vector<parameter_spec> more,
                         Run run) {
    std::vector<parameter_spec> parameters{id_parameter};
    parameters.insert(parameters.end(), more.begin(), more.end());
    return {name, verb, std::move(parameters), true,
            [run](const member_call& call, member_answer answer) {
                const std::int32_t id = std::get<std::int32_t>(call.arguments.front());
                if (const switch_spec* spec = find_switch(id, answer)) {
                    run(*spec, static_cast<std::size_t>(id), call, std::move(answer));
                }
            }};
}

/// A fixed property of each switch.
template <class Property>
device_member switch_property(std::string_view name, Property property) {
    return per_switch(name, verb::get, {},
                      [property](const switch_spec& spec, std::size_t, const member_call&,
                                 member_answer answer) { answer(value_of(property(spec))); });
}

/// A member that sets a switch, from the state or value its second parameter gives.
device_member switch_setter(device_context& context, std::string_view name, bool later,
                            value_type given) {
    const parameter_spec setting = given == value_type::boolean
                                       ? parameter_spec{"State", value_type::boolean}
                                       : parameter_spec{"Value", value_type::number};
    return per_switch(name, verb::put, {setting},
                      [&context, later](const switch_spec& spec, std::size_t id,
                                        const member_call& call, member_answer answer) {
                          if (!writable(spec, answer)) {
                              return;
                          }
                          const argument& wanted = call.arguments[1];
                          const std::optional<bool> state =
                              std::holds_alternative<bool>(wanted)
                                  ? std::get<bool>(wanted)
                                  : state_of_value(std::get<double>(wanted), answer);
                          if (state) {
                              change_switch(context, call, id, *state, later, std::move(answer));
                          }
                      });
}

/// A member that refuses whatever it is asked, with `why`.
device_member refused(std::string_view name, std::vector<parameter_spec> more,
                      std::string_view why) {
    return per_switch(
        name, verb::put, std::move(more),
        [why](const switch_spec&, std::size_t, const member_call&, member_answer answer) {
            answer(failure(error_numbers::not_implemented, std::string(why)));
        });
}

/// The DeviceState list once the input lines have been read (or could not be).
nlohmann::json device_state_list(served_state& state, const command_outcome& read) {
    nlohmann::json list = nlohmann::json::array();
    for (std::size_t id = 0; id < switch_count; ++id) {
        const std::string number = std::to_string(id);
        const member_result value = read.error ? member_result{std::nullopt, read.error}
                                               : state_in(switches[id], *read.input_byte);
        if (!value.error) {
            const bool on = value.value->get<bool>();
            list.push_back(state_entry("GetSwitch" + number, on));
            list.push_back(state_entry("GetSwitchValue" + number, on ? 1.0 : 0.0));
        }
        const served_state::change_answer change = state.state_change(id);
        if (!change.error) {
            list.push_back(state_entry("StateChangeComplete" + number, change.complete));
        }
    }
    return timestamped(std::move(list));
}

}  // namespace

served_device switch_bank(device_context& context) {
    std::vector<device_member> members = common_members(identity, context, {.actions = actions});
    members.push_back(
        {"maxswitch", verb::get, {}, true, [](const member_call&, member_answer answer) {
             answer(value_of(static_cast<std::int32_t>(switch_count)));
         }});
    members.push_back(
        switch_property("canwrite", [](const switch_spec& s) { return s.can_write; }));
    members.push_back(
        switch_property("canasync", [](const switch_spec& s) { return s.can_write; }));
    members.push_back(
        switch_property("getswitchname", [](const switch_spec& s) { return s.name; }));
    members.push_back(switch_property("getswitchdescription",
                                      [](const switch_spec& s) { return s.description; }));
    members.push_back(switch_property("minswitchvalue", [](const switch_spec&) { return 0.0; }));
    members.push_back(switch_property("maxswitchvalue", [](const switch_spec&) { return 1.0; }));
    members.push_back(switch_property("switchstep", [](const switch_spec&) { return 1.0; }));
    for (const bool as_value : {false, true}) {
        members.push_back(
            per_switch(as_value ? "getswitchvalue" : "getswitch", verb::get, {},
                       [&context, as_value](const switch_spec& spec, std::size_t,
                                            const member_call& call, member_answer answer) {
                           answer_state(context, call, spec, as_value, std::move(answer));
                       }));
    }
    members.push_back(per_switch(
        "statechangecomplete", verb::get, {},
        [&context](const switch_spec&, std::size_t id, const member_call&, member_answer answer) {
            const served_state::change_answer change = context.state.state_change(id);
            answer(change.error ? member_result{std::nullopt, change.error}
                                : value_of(change.complete));
        }));
    members.push_back(switch_setter(context, "setswitch", false, value_type::boolean));
    members.push_back(switch_setter(context, "setasync", true, value_type::boolean));
    members.push_back(switch_setter(context, "setswitchvalue", false, value_type::number));
    members.push_back(switch_setter(context, "setasyncvalue", true, value_type::number));
    members.push_back(refused("setswitchname", {{"Name", value_type::text}},
                              "Les noms des interrupteurs sont ceux des boutons de la console : "
                              "ils ne se changent pas."));
    members.push_back(
        refused("cancelasync", {}, "Une séquence lancée va à son terme : elle ne s'annule pas."));
    members.push_back({"devicestate",
                       verb::get,
                       {},
                       true,
                       [&context](const member_call& call, member_answer answer) {
                           context.console.submit(
                               {client_action(action_kind::read_inputs, caller_name(call)),
                                [&context, answer](const command_outcome& read) {
                                    answer(value_of(device_state_list(context.state, read)));
                                }});
                       }});
    return {identity, std::move(members)};
}

}  // namespace helio::alpaca
