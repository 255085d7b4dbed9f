// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

/// The values of request parameters, read strictly: the whole text must be the value, with
/// no blank around it, so that a malformed request is refused rather than guessed at.
namespace helio::alpaca {

/// Decimal digits, 0 to 4294967295.
std::optional<std::uint32_t> parse_uint32(std::string_view text);

/// An optional minus sign and decimal digits, within the 32-bit signed range.
std::optional<std::int32_t> parse_int32(std::string_view text);

/// "True" or "False", in any case.
std::optional<bool> parse_bool(std::string_view text);

/// A finite decimal number, "1", "0.5", "-2.5e-1", with a point whatever the locale.
std::optional<double> parse_double(std::string_view text);

}  // namespace helio::alpaca
