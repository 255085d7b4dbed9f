// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sequences/sequence_context.h"
#include "sequences/setpoints.h"

namespace helio {

/// Moves the blades to `position`: logs the setpoint, transfers it in two strobed halves
/// (low three bits with both strobes, high five bits with strobe A), releases the lines,
/// waits for the blades, and logs where they arrived. Tells blades_moving as the setpoint
/// goes out and blades_arrived once they report. Returns the code it sent.
std::int32_t move_blades(sequence_context& context, std::int32_t position);

/// The arrival line for `position`, e.g. "lames en position  +0.5 Ang.".
std::string arrival_message(std::int32_t position, std::string_view decimal_separator);

/// `value` in its shortest general form ("1", "0.5", "-0.1") with the given separator.
std::string shortest_decimal(float value, std::string_view decimal_separator);

}  // namespace helio
