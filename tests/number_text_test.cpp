// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/number_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/worked_numbers.h"

namespace helio::test {
namespace {

TEST(TextToInt32, ReadsAsTheSystemDoesInEnglishAndFrench) {
    for (const worked_number& n : worked_numbers()) {
        EXPECT_EQ(shown(portable_reading(n.text, english_us_numbers)), shown(n.in_english_us))
            << "'" << n.text << "'";
        EXPECT_EQ(shown(portable_reading(n.text, french_numbers)), shown(n.in_french))
            << "'" << n.text << "' (fr)";
    }
}

TEST(TextToInt32, SpacesStandForASpaceLikeThousandsSeparator) {
    // As Qt gives the French one: a narrow no-break space.
    const number_format narrow{",", "\xE2\x80\xAF", "\xE2\x82\xAC"};
    for (const char* text : {"5 5",
                             "5\xC2\xA0"
                             "5",
                             "5\xE2\x80\xAF"
                             "5",
                             "\xE2\x80\xAF"
                             "55 "}) {
        EXPECT_EQ(shown(portable_reading(text, narrow)), "55") << "'" << text << "'";
    }
    EXPECT_EQ(shown(portable_reading("\xC2\xA0"
                                     "5",
                                     english_us_numbers)),
              "no number")
        << "elsewhere no blank";
}

TEST(TextToInt32, SeparatorsOfSeveralBytes) {
    const number_format arabic{"\xD9\xAB", "\xD9\xAC", ""};
    EXPECT_EQ(shown(portable_reading("1\xD9\xAB"
                                     "5",
                                     arabic)),
              "2");
    EXPECT_EQ(shown(portable_reading("1\xD9\xAC"
                                     "5",
                                     arabic)),
              "15");
    EXPECT_EQ(shown(portable_reading("1\xD9", arabic)), "no number") << "half a separator";
}

}  // namespace
}  // namespace helio::test
