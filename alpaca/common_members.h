// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "alpaca/device_member.h"

namespace helio::alpaca {

/// An Action of a device: its name for clients (any case matches), the action it runs.
struct device_action {
    std::string_view name;
    action_kind kind;
};

/// What a device adds to the members every device has: its Actions, and what a connection
/// does on the instrument (nothing if empty).
struct device_extras {
    std::vector<device_action> actions{};
    std::function<void(const member_call&)> on_connect{};
};

/// The members every device has: the connection (Connected, Connect, Disconnect,
/// Connecting), what it is (Description, DriverInfo, DriverVersion, InterfaceVersion,
/// Name), its Actions (SupportedActions and Action: an action not among them answers
/// ActionNotImplemented), and the Command members, which answer "not implemented".
std::vector<device_member> common_members(const device_identity& identity, device_context& context,
                                          device_extras extras = {});

/// Who made `call`, as the records name the actions it asks for: "Alpaca, ClientID 4242,
/// ClientTransactionID 7, ServerTransactionID 12"; `through` ("Action Poussoir") follows
/// "Alpaca".
std::string caller_name(const member_call& call, std::string_view through = {});

/// A DeviceState list closed by its "TimeStamp" entry (now, in UTC, ISO 8601); when nothing
/// is known, the empty list, which has no time to tell.
nlohmann::json timestamped(nlohmann::json list);

/// One entry of a DeviceState list.
nlohmann::json state_entry(std::string_view name, nlohmann::json value);

}  // namespace helio::alpaca
