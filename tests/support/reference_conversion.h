// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ttl/number_text.h"

namespace helio::test {

/// How a text reads: a 32-bit value, or one of the two failures.
struct reading {
    enum class kind { value, no_number, too_large };
    kind what;
    std::int32_t value = 0;

    friend bool operator==(const reading&, const reading&) = default;
};

inline reading v(std::int32_t value) {
    return {reading::kind::value, value};
}
inline const reading no_number{reading::kind::no_number};
inline const reading too_large{reading::kind::too_large};

inline std::string shown(const reading& r) {
    switch (r.what) {
        case reading::kind::value:
            return std::to_string(r.value);
        case reading::kind::no_number:
            return "no number";
        case reading::kind::too_large:
            return "too large";
    }
    return "?";
}

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
/// of range. The reading is worked out on the decimal digits themselves rather than on a
/// binary floating-point value, so that it can judge the console's own conversion.
reading reference_conversion(std::string_view text, const number_format& format);

}  // namespace helio::test
