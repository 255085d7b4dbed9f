// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/common_members.h"

#include <chrono>
#include <cstdio>

namespace helio::alpaca {

namespace {

constexpr std::string_view driver_info =
    "Console de tests TTL de l'héliographe : serveur Alpaca intégré à la console, qui pilote "
    "l'instrument par les mêmes séquences que ses boutons.";
constexpr std::string_view driver_version = "1.0";

/// A member that answers a fixed value.
device_member constant(std::string_view name, nlohmann::json value) {
    return {
        name, verb::get, {}, false, [value](const std::vector<argument>&, member_answer answer) {
            answer(value_of(value));
        }};
}

/// A member the console does not offer: "not implemented", whatever the arguments.
device_member not_offered(std::string_view name, std::vector<parameter_spec> parameters) {
    return {name, verb::put, std::move(parameters), false,
            [name](const std::vector<argument>&, member_answer answer) {
                answer(failure(error_numbers::not_implemented,
                               "La console n'offre pas " + std::string(name) +
                                   " : elle n'a ni action propre ni commande brute."));
            }};
}

/// Connect, Disconnect and PUT Connected: the connection is the client's claim on the
/// device, shared by all clients; it touches nothing on the instrument, so it is made at
/// once and Connecting never reads true.
device_member connection_setter(std::string_view name, device_kind kind, served_state& state,
                                std::optional<bool> fixed) {
    std::vector<parameter_spec> parameters;
    if (!fixed) {
        parameters.push_back({"Connected", value_type::boolean});
    }
    return {name, verb::put, std::move(parameters), false,
            [kind, &state, fixed](const std::vector<argument>& arguments, member_answer answer) {
                state.set_connected(kind, fixed ? *fixed : std::get<bool>(arguments.front()));
                answer({});
            }};
}

}  // namespace

std::vector<device_member> common_members(const device_identity& identity,
                                          device_context& context) {
    const device_kind kind = identity.kind;
    served_state& state = context.state;
    std::vector<device_member> members{
        {"connected",
         verb::get,
         {},
         false,
         [kind, &state](const std::vector<argument>&, member_answer answer) {
             answer(value_of(state.connected(kind)));
         }},
        connection_setter("connected", kind, state, std::nullopt),
        connection_setter("connect", kind, state, true),
        connection_setter("disconnect", kind, state, false),
        constant("connecting", false),
        constant("description", identity.description),
        constant("driverinfo", driver_info),
        constant("driverversion", driver_version),
        constant("interfaceversion", identity.interface_version),
        constant("name", identity.name),
        constant("supportedactions", nlohmann::json::array()),
        not_offered("action", {{"Action", value_type::text}, {"Parameters", value_type::text}}),
    };
    for (const std::string_view command : {"commandblind", "commandbool", "commandstring"}) {
        members.push_back(
            not_offered(command, {{"Command", value_type::text}, {"Raw", value_type::text}}));
    }
    return members;
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
