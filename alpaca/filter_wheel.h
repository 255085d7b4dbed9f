// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "alpaca/device_member.h"
#include "sequences/setpoints.h"

namespace helio::alpaca {

/// FilterWheel 0: the H-alpha blades as a wheel of 21 slots, the setpoint table's entries in
/// order: slot 0 is -1.0 Å, slot 10 the centre, slot 20 +1.0 Å. Setting Position runs GO's
/// move to that slot's setpoint.
served_device filter_wheel(device_context& context);

inline constexpr auto wheel_slots = static_cast<std::int32_t>(setpoint_table.size());

/// The slot's name: "H alpha -0.3 A", "Centre Raie", "H alpha +1.0 A".
std::string slot_name(std::int32_t slot);

}  // namespace helio::alpaca
