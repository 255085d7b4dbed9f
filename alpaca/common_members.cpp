// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/common_members.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "alpaca/ascii_case.h"

namespace helio::alpaca {

namespace {

constexpr std::string_view driver_info =
    "Console de tests TTL de l'héliographe : serveur Alpaca intégré à la console, qui pilote "
    "l'instrument par les mêmes séquences que ses boutons.";
constexpr std::string_view driver_version = "1.0";

/// A member that answers a fixed value.
device_member constant(std::string_view name, nlohmann::json value) {
    return {name, verb::get, {}, false, [value](const member_call&, member_answer answer) {
                answer(value_of(value));
            }};
}

/// A Command member: the console sends nothing but its own sequences.
device_member no_command(std::string_view name) {
    return {name,
            verb::put,
            {{"Command", value_type::text}, {"Raw", value_type::text}},
            false,
            [name](const member_call&, member_answer answer) {
                answer(failure(error_numbers::not_implemented,
                               "La console n'offre pas " + std::string(name) +
                                   " : elle n'envoie que les séquences de ses boutons."));
            }};
}

/// Connect, Disconnect and PUT Connected: the connection is the device's, shared by its
/// clients, made at once; what it does on the instrument, if anything, follows.
device_member connection_setter(std::string_view name, device_kind kind, served_state& state,
                                std::optional<bool> fixed,
                                const std::function<void(const member_call&)>& on_connect) {
    std::vector<parameter_spec> parameters;
    if (!fixed) {
        parameters.push_back({"Connected", value_type::boolean});
    }
    return {name, verb::put, std::move(parameters), false,
            [kind, &state, fixed, on_connect](const member_call& call, member_answer answer) {
                const bool connect = fixed ? *fixed : std::get<bool>(call.arguments.front());
                state.set_connected(kind, connect);
                if (connect && on_connect) {
                    on_connect(call);
                }
                answer({});
            }};
}

nlohmann::json action_names(const std::vector<device_action>& actions) {
    nlohmann::json names = nlohmann::json::array();
    for (const device_action& each : actions) {
        names.push_back(each.name);
    }
    return names;
}

/// Action: runs the named action in the instrument's queue and answers once it has ended,
/// with an empty text, or its error.
device_member action_member(const std::vector<device_action>& actions, console_link& console) {
    return {
        "action",
        verb::put,
        {{"Action", value_type::text}, {"Parameters", value_type::text}},
        true,
        [actions, &console](const member_call& call, member_answer answer) {
            const std::string& name = std::get<std::string>(call.arguments.front());
            const auto found = std::ranges::find_if(actions, [&name](const device_action& a) {
                return equal_ignoring_case(a.name, name);
            });
            if (found == actions.end()) {
                answer(failure(error_numbers::action_not_implemented,
                               "Action « " + name +
                                   " » inconnue : SupportedActions liste celles de l'appareil."));
                return;
            }
            std::string through = "Action ";
            through += found->name;
            console.submit({client_action(found->kind, caller_name(call, through)),
                            [answer](const command_outcome& outcome) {
                                answer(outcome.error ? member_result{std::nullopt, outcome.error}
                                                     : value_of(""));
                            }});
        }};
}

}  // namespace

std::vector<device_member> common_members(const device_identity& identity, device_context& context,
                                          device_extras extras) {
    const device_kind kind = identity.kind;
    served_state& state = context.state;
    std::vector<device_member> members{
        {"connected",
         verb::get,
         {},
         false,
         [kind, &state](const member_call&, member_answer answer) {
             answer(value_of(state.connected(kind)));
         }},
        connection_setter("connected", kind, state, std::nullopt, extras.on_connect),
        connection_setter("connect", kind, state, true, extras.on_connect),
        connection_setter("disconnect", kind, state, false, extras.on_connect),
        {"connecting",
         verb::get,
         {},
         false,
         [kind, &state](const member_call&, member_answer answer) {
             answer(value_of(state.connecting(kind)));
         }},
        constant("description", identity.description),
        constant("driverinfo", driver_info),
        constant("driverversion", driver_version),
        constant("interfaceversion", identity.interface_version),
        constant("name", identity.name),
        constant("supportedactions", action_names(extras.actions)),
        action_member(extras.actions, context.console),
    };
    for (const std::string_view command : {"commandblind", "commandbool", "commandstring"}) {
        members.push_back(no_command(command));
    }
    return members;
}

std::string caller_name(const member_call& call, std::string_view through) {
    // Appended piece by piece: GCC 12 at -O3 takes "x" + std::to_string(...) for an
    // overlapping copy (-Wrestrict, a false alarm) and the release build stops on it.
    std::string name = "Alpaca";
    if (!through.empty()) {
        name += ' ';
        name += through;
    }
    name += ", ClientID ";
    name += std::to_string(call.ids.client_id);
    name += ", ClientTransactionID ";
    name += std::to_string(call.ids.client_transaction_id);
    name += ", ServerTransactionID ";
    name += std::to_string(call.server_transaction);
    return name;
}

nlohmann::json timestamped(nlohmann::json list) {
    if (list.empty()) {
        return list;
    }
    using namespace std::chrono;
    const auto now = floor<microseconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{now - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%06ldZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()),
                  long(time.subseconds().count()));
    list.push_back(state_entry("TimeStamp", text));
    return list;
}

nlohmann::json state_entry(std::string_view name, nlohmann::json value) {
    return {{"Name", name}, {"Value", std::move(value)}};
}

}  // namespace helio::alpaca
