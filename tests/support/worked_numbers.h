// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/reference_conversion.h"
#include "ttl/errors.h"
#include "ttl/number_text.h"

namespace helio::test {

/// How English (United States) and French write numbers, as Windows gives them.
inline const number_format english_us_numbers{".", ",", "$"};
inline const number_format french_numbers{",", "\xC2\xA0", "\xE2\x82\xAC"};  // no-break space, euro

/// How text_to_int32 reads `text` in `format`.
inline reading portable_reading(const std::string& text, const number_format& format) {
    try {
        return v(text_to_int32(text, format));
    } catch (const conversion_error&) {
        return no_number;
    } catch (const overflow_error&) {
        return too_large;
    }
}

/// A text and how the system's conversion reads it in each of the two locales.
struct worked_number {
    std::string text;
    reading in_english_us;
    reading in_french;
};

/// What the system's conversion gives in these two locales: the same for every text of up
/// to three characters, which the Windows tests compare one by one; longer ones worked by
/// hand.
inline const std::vector<worked_number>& worked_numbers() {
    static const std::vector<worked_number> numbers{
        {"35", v(35), v(35)},
        {" 35\t", v(35), v(35)},
        {"007", v(7), v(7)},
        {"", no_number, no_number},
        {" \t", no_number, no_number},
        // Signs before or after, once each; parentheses; the currency symbol.
        {"35+", v(35), v(35)},
        {"35-", v(-35), v(-35)},
        {"- 5", v(-5), v(-5)},
        {"+-5", v(-5), v(-5)},
        {"--5", no_number, no_number},
        {"-5-", no_number, no_number},
        {"5--", v(-5), v(-5)},
        {"(5)", v(-5), v(-5)},
        {"(-5", v(-5), v(-5)},
        {"(5", no_number, no_number},
        {"(+5", no_number, no_number},
        {"5)", no_number, no_number},
        {"$35", v(35), no_number},
        {"$5$", v(5), no_number},
        {"-\xE2\x82\xAC"
         "5",
         no_number, v(-5)},
        // Hexadecimal and octal, to 32 bits in two's complement; no sign changes them.
        {"&HF", v(15), v(15)},
        {"&hd", v(13), v(13)},
        {"&O7", v(7), v(7)},
        {"&O8", no_number, no_number},
        {"&H", no_number, no_number},
        {"-&H1", v(1), v(1)},
        {"&HFFFFFFFF", v(-1), v(-1)},
        {"&H100000000", too_large, too_large},
        // The decimal and thousands separators of each locale.
        {"3,5", v(35), v(4)},
        {"8,0", v(80), v(8)},
        {"1,2", v(12), v(1)},
        {"1,234", v(1234), v(1)},
        {"5,", v(5), v(5)},
        {",5", no_number, v(0)},
        {".,1", v(0), no_number},
        {"5 5", no_number, v(55)},
        {"5\xC2\xA0"
         "5",
         no_number, v(55)},
        {"1 e2", no_number, v(100)},
        {"3.5", v(4), no_number},
        {"2.5", v(2), no_number},
        {"35.", v(35), no_number},
        {".06", v(0), no_number},  // nearest; Wine's conversion gives 1 (its own fault)
        {"2.5000000000000000001", v(3), no_number},
        // Exponents, and what is no number at all.
        {"1e2", v(100), v(100)},
        {"1E+2", v(100), v(100)},
        {"25e-1", v(2), v(2)},
        {"1e", no_number, no_number},
        {"e1", no_number, no_number},
        {"1d2", no_number, no_number},
        {"0x1", no_number, no_number},
        {"\xC3\xA0", no_number, no_number},
        // The 32-bit range, after rounding, and numbers far beyond a double's.
        {"9e9", too_large, too_large},
        {"2147483647", v(2147483647), v(2147483647)},
        {"2147483648", too_large, too_large},
        {"-2147483648", v(-2147483647 - 1), v(-2147483647 - 1)},
        {"2147483647.5", too_large, no_number},
        {"-2147483648.5", v(-2147483647 - 1), no_number},
        {"1e400", too_large, too_large},
        {"1e-400", v(0), v(0)},
        {"0e99999999999999999999", v(0), v(0)},
        {"1" + std::string(400, '0') + "e-399", v(10), v(10)},
        {"1" + std::string(400, '0'), too_large, too_large},
        {"0." + std::string(400, '0') + "1e10", v(0), no_number},
        {"1000e-99999999999999999999", v(0), v(0)},
    };
    return numbers;
}

}  // namespace helio::test
