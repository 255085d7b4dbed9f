// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/setpoints.h"

#include "ttl/basic_conversion.h"
#include "ttl/errors.h"

namespace helio {

std::int32_t get_consigne(std::int32_t position) {
    // Position + 10 with overflow detection, then the bounds: an index, as the table's own.
    const std::int32_t index = checked_add(position, -lowest_position);
    if (index < 0 || index >= static_cast<std::int32_t>(setpoint_table.size())) {
        throw bounds_error(index, 0, static_cast<std::int32_t>(setpoint_table.size()) - 1);
    }
    return setpoint_table[static_cast<std::size_t>(index)];
}

std::optional<std::int32_t> position_of_code(std::int32_t code) {
    for (std::size_t i = 0; i < setpoint_table.size(); ++i) {
        if (setpoint_table[i] == code) {
            return position_at(i);
        }
    }
    return std::nullopt;
}

}  // namespace helio
