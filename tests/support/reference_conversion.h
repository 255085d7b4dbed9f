// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace helio::test {

/// What a typed number comes to, worked out on the decimal digits themselves rather than
/// on a binary floating-point value, so that it can judge the console's own conversion.
struct reference_number {
    enum class kind { integer, out_of_range, not_a_number };

    kind what = kind::not_a_number;
    std::int64_t value = 0;  ///< the rounded integer, when `what` is integer
    /// Digits of the mantissa from its first to its last non-zero one: a double carries
    /// up to 15 of them exactly enough that rounding to an integer cannot change.
    std::size_t significant_digits = 0;
};

/// The rule an operator's number follows: blanks (space, tab) around it; an optional sign;
/// digits with an optional fraction after `separator` (at least one digit in all); an
/// optional exponent, e or E, with an optional sign and at least one digit. The exact value
/// is rounded to the nearest integer, a half to the even neighbour; outside the 32-bit
/// signed range it is out of range.
reference_number reference_conversion(std::string_view text, std::string_view separator);

}  // namespace helio::test
