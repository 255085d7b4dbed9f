// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace helio {

/// How the user's locale writes numbers, as far as reading a typed one needs: UTF-8 texts,
/// an empty one for what the locale does not have.
struct number_format {
    std::string decimal_separator = ".";
    std::string thousands_separator{};
    std::string currency_symbol{};
};

/// Reads `text` as the platform's numeric conversion of text to a 32-bit integer does in a
/// locale that writes numbers as `format` says:
///  - before the number, in any order: blanks, and at most one each of '+', '-', the
///    currency symbol and '(';
///  - the number: decimal digits with at most one decimal separator and, once a digit or
///    the separator has come, any thousands separators, then an optional exponent (e or E,
///    an optional sign, digits); or "&H" and hexadecimal digits, or "&O" and octal digits,
///    up to 32 bits read as two's complement, which no sign changes;
///  - after it, any number of: blanks, '+' and '-' (each unless it came before), ')' (if
///    '(' did), the currency symbol, thousands separators.
/// A '-' or the closing ')' makes the number negative; a '(' that neither follows is no
/// number. Where the thousands separator is a kind of space, a plain space and the no-break
/// spaces all stand for it, and count as blanks around the number. The exact value rounds
/// to the nearest integer, a half to the even neighbour.
/// Raises conversion_error for text that is no number, overflow_error for a number outside
/// the 32-bit signed range.
std::int32_t text_to_int32(std::string_view text, const number_format& format);

}  // namespace helio
