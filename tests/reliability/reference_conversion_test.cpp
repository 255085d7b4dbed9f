// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/reference_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "support/worked_numbers.h"

namespace helio::test {
namespace {

// The reference judges the console, so it is checked first against the worked numbers.
TEST(ReferenceConversion, AgreesWithTheWorkedNumbersInEnglishAndFrench) {
    for (const worked_number& n : worked_numbers()) {
        EXPECT_EQ(shown(reference_conversion(n.text, english_us_numbers)), shown(n.in_english_us))
            << "'" << n.text << "'";
        EXPECT_EQ(shown(reference_conversion(n.text, french_numbers)), shown(n.in_french))
            << "'" << n.text << "' (fr)";
    }
}

TEST(ReferenceConversion, ControlCharactersAreNoHexadecimalDigits) {
    EXPECT_EQ(reference_conversion("&H\x10", english_us_numbers), no_number);
}

}  // namespace
}  // namespace helio::test
