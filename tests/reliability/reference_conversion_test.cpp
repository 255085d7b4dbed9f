// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/reference_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "support/worked_numbers.h"

namespace helio::test {
namespace {

reading as_reading(const reference_number& number) {
    switch (number.what) {
        case reference_number::kind::integer:
            return v(static_cast<std::int32_t>(number.value));
        case reference_number::kind::out_of_range:
            return too_large;
        case reference_number::kind::not_a_number:
            break;
    }
    return no_number;
}

// The reference judges the console, so it is checked first against the worked numbers.
TEST(ReferenceConversion, AgreesWithTheWorkedNumbersInEnglishAndFrench) {
    for (const worked_number& n : worked_numbers()) {
        EXPECT_EQ(shown(as_reading(reference_conversion(n.text, english_us_numbers))),
                  shown(n.in_english_us))
            << "'" << n.text << "'";
        EXPECT_EQ(shown(as_reading(reference_conversion(n.text, french_numbers))),
                  shown(n.in_french))
            << "'" << n.text << "' (fr)";
    }
}

TEST(ReferenceConversion, ControlCharactersAreNoHexadecimalDigits) {
    EXPECT_EQ(reference_conversion("&H\x10", english_us_numbers).what,
              reference_number::kind::not_a_number);
}

}  // namespace
}  // namespace helio::test
