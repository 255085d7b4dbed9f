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
    const std::string no_break = "\xC2\xA0", narrow_no_break = "\xE2\x80\xAF";
    // As Qt gives the French one: a narrow no-break space.
    const number_format narrow{",", narrow_no_break, "\xE2\x82\xAC"};
    for (const std::string& text : {std::string("5 5"), "5" + no_break + "5",
                                    "5" + narrow_no_break + "5", narrow_no_break + "55 "}) {
        EXPECT_EQ(shown(portable_reading(text, narrow)), "55") << "'" << text << "'";
    }
    EXPECT_EQ(shown(portable_reading(no_break + "5", english_us_numbers)), "no number")
        << "elsewhere no blank";
}

TEST(TextToInt32, SeparatorsOfSeveralBytes) {
    const std::string decimal = "\xD9\xAB", thousands = "\xD9\xAC";
    const number_format arabic{decimal, thousands, ""};
    EXPECT_EQ(shown(portable_reading("1" + decimal + "5", arabic)), "2");
    EXPECT_EQ(shown(portable_reading("1" + thousands + "5", arabic)), "15");
    EXPECT_EQ(shown(portable_reading("1\xD9", arabic)), "no number") << "half a separator";
}

}  // namespace
}  // namespace helio::test
