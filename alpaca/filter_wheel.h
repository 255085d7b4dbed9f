// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "alpaca/device_member.h"

namespace helio::alpaca {

/// FilterWheel 0: the H-alpha blades as a wheel of 21 slots. Slot i is blade position
/// i - 10, in tenths of an ångström from the line centre: slot 0 is -1.0 Å, slot 10 the
/// centre, slot 20 +1.0 Å. Setting Position runs GO's move to that slot's setpoint.
served_device filter_wheel(device_context& context);

inline constexpr std::int32_t wheel_slots = 21;

/// The slot's name: "H alpha -0.3 A", "Centre Raie", "H alpha +1.0 A".
std::string slot_name(std::int32_t slot);

}  // namespace helio::alpaca
