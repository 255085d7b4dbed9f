// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

/// The command protocol of the heliograph's controller, spoken over the TTL lines.
namespace helio::protocol {

// Output lines: two strobes, and a code or data field in bits 3 to 7.
inline constexpr std::int32_t strobe_a = 1;      ///< latches the setpoint's high five bits
inline constexpr std::int32_t strobe_b = 2;      ///< latches a command code
inline constexpr std::int32_t both_strobes = 3;  ///< latches the setpoint's low three bits
inline constexpr std::int32_t strobe_mask = 3;
inline constexpr std::int32_t data_field_mask = 248;  ///< bits 3 to 7

// Command codes, presented with strobe B.
inline constexpr std::int32_t command_sighting = 8;
inline constexpr std::int32_t command_ccd = 16;
inline constexpr std::int32_t command_pusher = 32;

// Setpoint transfer: low three bits moved up to bits 3-5, high five bits left in place.
inline constexpr std::int32_t setpoint_low_mask = 7;
inline constexpr std::int32_t setpoint_low_shift_factor = 8;
inline constexpr std::int32_t setpoint_high_mask = 248;

// Input lines: status bits, tested as (input AND value) = value.
inline constexpr std::int32_t status_sighting_button = 1;     ///< bit 0: pusher allowed
inline constexpr std::int32_t status_sighting_position = 2;   ///< bit 1
inline constexpr std::int32_t status_ccd_position = 4;        ///< bit 2
inline constexpr std::int32_t status_blades_in_position = 8;  ///< bit 3

}  // namespace helio::protocol
