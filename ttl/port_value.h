// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace helio {

/// An uninitialised variant (converts to 0).
struct empty_value {
    friend bool operator==(empty_value, empty_value) = default;
};

/// A variant holding "no valid data" (cannot be converted to a number).
struct null_value {
    friend bool operator==(null_value, null_value) = default;
};

/// What the I/O component's ReadPort hands back: the subset of a COM variant's types
/// that a port driver may plausibly return.
using port_value = std::variant<empty_value, null_value, bool, std::uint8_t, std::int16_t,
                                std::int32_t, float, double, std::string>;

/// A short human-readable rendering ("VT_I2 -1", "VT_BSTR 'abc'") for error messages.
std::string describe(const port_value& value);

}  // namespace helio
