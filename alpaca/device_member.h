// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "alpaca/error_numbers.h"
#include "alpaca/remote_command.h"
#include "alpaca/served_state.h"
#include "alpaca/transaction.h"

namespace helio::alpaca {

enum class verb { get, put };

/// The type of a parameter's value, as the reference gives it.
enum class value_type { integer, boolean, number, text };

struct parameter_spec {
    std::string_view name;  ///< as the reference spells it: "Id", "State"
    value_type type;
};

using argument = std::variant<std::int32_t, bool, double, std::string>;

/// One call of a member: its arguments in order, and the numbers the call is known by, with
/// which the records name what it asks of the instrument.
struct member_call {
    std::vector<argument> arguments;
    transaction_ids ids{};
    std::uint32_t server_transaction = 0;
};

/// What a member answers: a value (none for a method), or an error.
struct member_result {
    std::optional<nlohmann::json> value{};
    alpaca_error error{};
};

/// Takes the member's result, now or later, from whichever thread has it; exactly once.
using member_answer = std::function<void(member_result)>;

/// One member of a device's API: its name in the URL, its verb, its parameters in order,
/// whether it needs the device connected, and what it does with the arguments read.
struct device_member {
    std::string_view name;
    alpaca::verb verb;
    std::vector<parameter_spec> parameters;
    bool needs_connection;
    std::function<void(const member_call&, member_answer)> run;
};

/// What a device is to clients and to the management API.
struct device_identity {
    device_kind kind;
    std::string_view url_name;     ///< "filterwheel"
    std::string_view device_type;  ///< "FilterWheel"
    std::string_view name;
    std::string_view description;
    std::int32_t interface_version;
};

/// What every member reaches: the state shared with the console, and the console itself.
struct device_context {
    served_state& state;
    console_link& console;
};

/// A device as the router serves it.
struct served_device {
    device_identity identity;
    std::vector<device_member> members;
    std::string unique_id{};  ///< this installation's own: given by the router
};

/// An answer with a value, or with an error.
inline member_result value_of(nlohmann::json value) {
    return {std::move(value), {}};
}
inline member_result failure(int number, std::string message) {
    return {std::nullopt, {number, std::move(message)}};
}

}  // namespace helio::alpaca
