// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "alpaca/device_member.h"

namespace helio::alpaca {

/// The members every device has: the connection (Connected, Connect, Disconnect,
/// Connecting), what it is (Description, DriverInfo, DriverVersion, InterfaceVersion,
/// Name) and the extension points it does not offer (SupportedActions is empty; Action and
/// the Command members answer "not implemented").
std::vector<device_member> common_members(const device_identity& identity, device_context& context);

/// A DeviceState list closed by its "TimeStamp" entry (now, in UTC, ISO 8601); when nothing
/// is known, the empty list, which has no time to tell.
nlohmann::json timestamped(nlohmann::json list);

/// One entry of a DeviceState list.
nlohmann::json state_entry(std::string_view name, nlohmann::json value);

}  // namespace helio::alpaca
