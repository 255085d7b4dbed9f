// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sequences/sequence_context.h"

namespace helio {

/// Blade positions, in tenths of an ångström from the H-alpha line centre.
inline constexpr std::int32_t lowest_position = -10;
inline constexpr std::int32_t highest_position = 10;

/// The controller's setpoint code for each position from -10 to +10. The steps are the
/// instrument's calibration (7 to 13 codes apart) and are not computed.
inline constexpr std::array<std::int32_t, 21> setpoint_table{35,  45,  54,  63,  71,  80,  87,
                                                             100, 113, 121, 128, 138, 148, 159,
                                                             169, 178, 190, 200, 209, 220, 231};

/// The setpoint code of `position`; bounds_error outside -10 to +10.
std::int32_t get_consigne(std::int32_t position);

/// The position whose setpoint code is `code`, if one is.
std::optional<std::int32_t> position_of_code(std::int32_t code);

/// Moves the blades to `position`: logs the setpoint, transfers it in two strobed halves
/// (low three bits with both strobes, high five bits with strobe A), releases the lines,
/// waits for the blades, and logs where they arrived.
void move_blades(sequence_context& context, std::int32_t position);

/// The arrival line for `position`, e.g. "lames en position  +0.5 Ang.".
std::string arrival_message(std::int32_t position, std::string_view decimal_separator);

/// `value` in its shortest general form ("1", "0.5", "-0.1") with the given separator.
std::string shortest_decimal(float value, std::string_view decimal_separator);

}  // namespace helio
