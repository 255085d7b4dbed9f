// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/switch_bank.h"

#include <array>
#include <cmath>
#include <memory>

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
    "Miroir à deux positions, poussoir, bouton de visée et remise à zéro des sorties TTL de "
    "l'héliographe, comme les boutons de la console.",
    3,
};

/// How a switch's state is known.
enum class reading {
    mirror,           ///< input bit 1 (sighting stop) or bit 2 (CCD stop)
    sighting_button,  ///< input bit 0
    momentary,        ///< always reads false: it acts, it does not stay
};

struct switch_spec {
    std::string_view name;
    std::string_view description;
    bool can_write;  ///< and so can change asynchronously
    reading how_read;
    std::optional<action_kind> set_true;
    std::optional<action_kind> set_false;
};

constexpr std::array<switch_spec, switch_count> switches{{
    {"Miroir VISEE / CCD",
     "Miroir à deux positions, boutons VISEE et CCD : faux en position de visée, vrai en "
     "position CCD (entrées TTL bits 1 et 2).",
     true, reading::mirror, action_kind::ccd, action_kind::sighting},
    {"POUSSOIR",
     "Poussoir, bouton POUSSOIR : vrai lance la séquence du poussoir, refusée quand le bouton "
     "de visée n'est pas actif ; se relit toujours faux.",
     true, reading::momentary, action_kind::pusher, std::nullopt},
    {"Bouton de visee",
     "Bouton de visée de l'opérateur (entrée TTL bit 0) : vrai quand il est actif et que le "
     "poussoir est permis. Lecture seule.",
     false, reading::sighting_button, std::nullopt, std::nullopt},
    {"INIT TTL output",
     "Remise à zéro des sorties TTL, bouton INIT TTL output : vrai écrit 0 sur le port ; se "
     "relit toujours faux.",
     true, reading::momentary, action_kind::reset_outputs, std::nullopt},
}};

/// The switch a request names, or why it names none.
const switch_spec* find_switch(std::int32_t id, const member_answer& answer) {
    if (id < 0 || static_cast<std::size_t>(id) >= switch_count) {
        answer(failure(
            error_numbers::invalid_value,
            "Interrupteur " + std::to_string(id) + " inexistant : les numéros vont de 0 à 3."));
        return nullptr;
    }
    return &switches[static_cast<std::size_t>(id)];
}

/// The state of `spec` in `input_byte`, or the reason it has none.
member_result state_in(const switch_spec& spec, std::int32_t input_byte) {
    switch (spec.how_read) {
        case reading::sighting_button:
            return value_of(status_set(input_byte, protocol::status_sighting_button));
        case reading::mirror: {
            const bool sighting = status_set(input_byte, protocol::status_sighting_position);
            const bool ccd = status_set(input_byte, protocol::status_ccd_position);
            if (sighting != ccd) {
                return value_of(ccd);
            }
            return failure(error_numbers::invalid_operation,
                           "Le miroir n'est ni en position de visée ni en position CCD : il est "
                           "en mouvement, ou bloqué.");
        }
        case reading::momentary:
            break;
    }
    return value_of(false);
}

/// Reads the state of `spec` (from the port unless it is momentary) and answers it, as a
/// boolean or as a value 0.0 or 1.0.
void answer_state(device_context& context, const switch_spec& spec, bool as_value,
                  member_answer answer) {
    const auto deliver = [as_value, answer](member_result state) {
        if (as_value && state.value) {
            state.value = state.value->get<bool>() ? 1.0 : 0.0;
        }
        answer(std::move(state));
    };
    if (spec.how_read == reading::momentary) {
        deliver(value_of(false));
        return;
    }
    context.console.submit(client_action(action_kind::read_inputs),
                           [&spec, deliver](const command_outcome& outcome) {
                               if (outcome.error) {
                                   deliver({std::nullopt, outcome.error});
                               } else {
                                   deliver(state_in(spec, *outcome.input_byte));
                               }
                           });
}

/// What setting `spec` to `state` runs on the instrument, if anything.
std::optional<action_kind> command_for(const switch_spec& spec, bool state) {
    return state ? spec.set_true : spec.set_false;
}

/// SetSwitch and SetSwitchValue: answers once the sequence has ended.
void set_now(device_context& context, const switch_spec& spec, bool state, member_answer answer) {
    const std::optional<action_kind> command = command_for(spec, state);
    if (!command) {
        answer({});
        return;
    }
    context.console.submit(client_action(*command), [answer](const command_outcome& outcome) {
        answer({std::nullopt, outcome.error});
    });
}

/// SetAsync and SetAsyncValue: answers at once; StateChangeComplete tells the end.
void set_later(device_context& context, std::size_t id, bool state, member_answer answer) {
    const std::optional<action_kind> command = command_for(switches[id], state);
    if (command) {
        served_state& shared = context.state;
        shared.change_posted(id);
        context.console.submit(client_action(*command),
                               [&shared, id](const command_outcome& outcome) {
                                   shared.change_ended(id, outcome.error);
                               });
    }
    answer({});
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
            [run](const std::vector<argument>& arguments, member_answer answer) {
                const std::int32_t id = std::get<std::int32_t>(arguments.front());
                if (const switch_spec* spec = find_switch(id, answer)) {
                    run(*spec, static_cast<std::size_t>(id), arguments, std::move(answer));
                }
            }};
}

/// A fixed property of each switch.
template <class Property>
device_member switch_property(std::string_view name, Property property) {
    return per_switch(name, verb::get, {},
                      [property](const switch_spec& spec, std::size_t, const std::vector<argument>&,
                                 member_answer answer) { answer(value_of(property(spec))); });
}

/// The DeviceState list once the input lines have been read (or could not be).
nlohmann::json device_state_list(served_state& state, const command_outcome& read) {
    nlohmann::json list = nlohmann::json::array();
    for (std::size_t id = 0; id < switch_count; ++id) {
        const std::string number = std::to_string(id);
        member_result value = value_of(false);
        if (switches[id].how_read != reading::momentary) {
            value = read.error ? member_result{std::nullopt, read.error}
                               : state_in(switches[id], *read.input_byte);
        }
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
    std::vector<device_member> members = common_members(identity, context);
    members.push_back(
        {"maxswitch", verb::get, {}, true, [](const std::vector<argument>&, member_answer answer) {
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
                                            const std::vector<argument>&, member_answer answer) {
                           answer_state(context, spec, as_value, std::move(answer));
                       }));
    }
    members.push_back(per_switch("statechangecomplete", verb::get, {},
                                 [&context](const switch_spec&, std::size_t id,
                                            const std::vector<argument>&, member_answer answer) {
                                     const served_state::change_answer change =
                                         context.state.state_change(id);
                                     answer(change.error ? member_result{std::nullopt, change.error}
                                                         : value_of(change.complete));
                                 }));
    for (const bool later : {false, true}) {
        members.push_back(per_switch(
            later ? "setasync" : "setswitch", verb::put, {{"State", value_type::boolean}},
            [&context, later](const switch_spec& spec, std::size_t id,
                              const std::vector<argument>& arguments, member_answer answer) {
                if (!writable(spec, answer)) {
                    return;
                }
                const bool state = std::get<bool>(arguments[1]);
                if (later) {
                    set_later(context, id, state, std::move(answer));
                } else {
                    set_now(context, spec, state, std::move(answer));
                }
            }));
        members.push_back(per_switch(
            later ? "setasyncvalue" : "setswitchvalue", verb::put, {{"Value", value_type::number}},
            [&context, later](const switch_spec& spec, std::size_t id,
                              const std::vector<argument>& arguments, member_answer answer) {
                if (!writable(spec, answer)) {
                    return;
                }
                const std::optional<bool> state =
                    state_of_value(std::get<double>(arguments[1]), answer);
                if (state && later) {
                    set_later(context, id, *state, std::move(answer));
                } else if (state) {
                    set_now(context, spec, *state, std::move(answer));
                }
            }));
    }
    members.push_back(per_switch(
        "setswitchname", verb::put, {{"Name", value_type::text}},
        [](const switch_spec&, std::size_t, const std::vector<argument>&, member_answer answer) {
            answer(failure(error_numbers::not_implemented,
                           "Les noms des interrupteurs sont ceux des boutons de la console : ils "
                           "ne se changent pas."));
        }));
    members.push_back(per_switch(
        "cancelasync", verb::put, {},
        [](const switch_spec&, std::size_t, const std::vector<argument>&, member_answer answer) {
            answer(failure(error_numbers::not_implemented,
                           "Une séquence lancée va à son terme : elle ne s'annule pas."));
        }));
    members.push_back({"devicestate",
                       verb::get,
                       {},
                       true,
                       [&context](const std::vector<argument>&, member_answer answer) {
                           context.console.submit(
                               client_action(action_kind::read_inputs),
                               [&context, answer](const command_outcome& read) {
                                   answer(value_of(device_state_list(context.state, read)));
                               });
                       }});
    return {identity, std::move(members)};
}

}  // namespace helio::alpaca
