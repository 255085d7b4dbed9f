// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

/// The blades' setpoints, the one place that maps a position to its code and back.
namespace helio {

/// Blade positions, in tenths of an ångström from the H-alpha line centre.
inline constexpr std::int32_t lowest_position = -10;
inline constexpr std::int32_t highest_position = 10;

/// The controller's setpoint code for each position from -10 to +10. The steps are the
/// instrument's calibration (7 to 13 codes apart) and are not computed.
inline constexpr std::array<std::int32_t, 21> setpoint_table{35,  45,  54,  63,  71,  80,  87,
                                                             100, 113, 121, 128, 138, 148, 159,
                                                             169, 178, 190, 200, 209, 220, 231};

/// The entry of `position` in the table, 0 for the lowest (-10), if it has one.
constexpr std::optional<std::size_t> setpoint_index(std::int32_t position) {
    if (position < lowest_position || position > highest_position) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(position - lowest_position);
}

/// The position of the table's entry `index`.
constexpr std::int32_t position_at(std::size_t index) {
    return static_cast<std::int32_t>(index) + lowest_position;
}

/// The setpoint code of `position`; bounds_error outside -10 to +10.
std::int32_t get_consigne(std::int32_t position);

/// The position whose setpoint code is `code`, if one is.
std::optional<std::int32_t> position_of_code(std::int32_t code);

}  // namespace helio
