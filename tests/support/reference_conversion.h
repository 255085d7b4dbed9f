// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "ttl/number_text.h"

namespace helio::test {

/// What a typed number comes to, worked out on the decimal digits themselves rather than
/// on a binary floating-point value, so that it can judge the console's own conversion.
struct reference_number {
    enum class kind { integer, out_of_range, not_a_number };

    kind what = kind::not_a_number;
    std::int64_t value = 0;  ///< the rounded integer, when `what` is integer

    friend bool operator==(const reference_number&, const reference_number&) = default;
};

/// The rule an operator's number follows in a locale that writes numbers as `format` says,
/// the one the platform's conversion follows: the text is cut into its symbols first (a
/// digit, a blank, a sign, a parenthesis, the locale's separators and currency symbol, a
/// letter), then read as affixes around a number. Before it: blanks and at most one each of
/// '+', '-', the currency symbol and '('. The number: "&H" and hexadecimal digits or "&O"
/// and octal digits (32 bits, two's complement, no sign); or decimal digits, at most one
/// decimal separator, thousands separators once a digit or the decimal separator has come,
/// and an optional exponent (e or E, a sign, digits). After it: blanks, thousands
/// separators, the currency symbol, '+' and '-' unless they came before, ')' if '(' did.
/// A '-' or the ')' makes it negative, and '(' needs one of them. Where the thousands
/// separator is a space, a plain one or either no-break space, each of those is that
/// separator inside the number and a blank around it. The exact value is rounded to the
/// nearest integer, a half to the even neighbour; outside the 32-bit signed range it is out
/// of range.
reference_number reference_conversion(std::string_view text, const number_format& format);

}  // namespace helio::test
