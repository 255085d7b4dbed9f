// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/reference_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace helio::test {
namespace {

using kind = reference_number::kind;

/// The reference judges the console, so it is checked first against values worked by hand.
struct worked_example {
    std::string text;
    kind what;
    std::int64_t value;
};

void expect_worked(const worked_example& example, std::string_view separator = ".") {
    const reference_number got = reference_conversion(example.text, separator);
    EXPECT_EQ(got.what, example.what) << "'" << example.text << "'";
    if (example.what == kind::integer) {
        EXPECT_EQ(got.value, example.value) << "'" << example.text << "'";
    }
}

TEST(ReferenceConversion, RoundsTheExactDecimalValueHalfToEven) {
    const worked_example examples[] = {
        {"35", kind::integer, 35},
        {"2.5", kind::integer, 2},
        {"3.5", kind::integer, 4},
        {"-2.5", kind::integer, -2},
        {"-3.5", kind::integer, -4},
        {".5", kind::integer, 0},
        {"-.5", kind::integer, 0},
        {"1.5", kind::integer, 2},
        {"2.51", kind::integer, 3},
        {"2.4999", kind::integer, 2},
        {"5.", kind::integer, 5},
        {"0.05e1", kind::integer, 0},
        {"0.15e1", kind::integer, 2},
        {"25e-1", kind::integer, 2},
        {"35E-1", kind::integer, 4},
        {"1e2", kind::integer, 100},
        {"1E+2", kind::integer, 100},
        {"007", kind::integer, 7},
        {"0.0000000000000000000000000000001", kind::integer, 0},
        {"2.50000000000000000000000000000001", kind::integer, 3},
        {std::string("1") + std::string(400, '0') + "e-400", kind::integer, 1},
        {std::string("0.") + std::string(400, '0') + "35e402", kind::integer, 35},
        {"1e-99999999999999999999999", kind::integer, 0},
        {"0e99999999999999999999999", kind::integer, 0},
    };
    for (const worked_example& example : examples) {
        expect_worked(example);
    }
}

TEST(ReferenceConversion, BlanksAroundButNotInside) {
    expect_worked({" \t 35\t ", kind::integer, 35});
    for (const char* text : {"3 5", "- 5", "1 e2", "1e 2", "", " ", "\t"}) {
        expect_worked({text, kind::not_a_number, 0});
    }
}

TEST(ReferenceConversion, ThirtyTwoBitRangeAfterRounding) {
    expect_worked({"2147483647", kind::integer, 2147483647});
    expect_worked({"2147483647.4", kind::integer, 2147483647});
    expect_worked({"2147483647.5", kind::out_of_range, 0});
    expect_worked({"-2147483648.5", kind::integer, -2147483648});
    expect_worked({"-2147483648.51", kind::out_of_range, 0});
    expect_worked({"3e9", kind::out_of_range, 0});
    expect_worked({"1e9", kind::integer, 1000000000});
    expect_worked({std::string("1") + std::string(400, '0') + "e-1", kind::out_of_range, 0});
}

TEST(ReferenceConversion, RefusesEverythingElse) {
    for (const char* text : {"abc", "e2", "1e", "1e+", "+", "-", ".", "+.", ".e1", "--1", "+-1",
                             "1.2.3", "1e2.5", "0x10", "inf", "nan", "12a", "\xC3\xA0", "1,5"}) {
        expect_worked({text, kind::not_a_number, 0});
    }
}

TEST(ReferenceConversion, TheDecimalSeparatorIsTheOneGiven) {
    expect_worked({"2,5", kind::integer, 2}, ",");
    expect_worked({"3,5", kind::integer, 4}, ",");
    expect_worked({"3.5", kind::not_a_number, 0}, ",");
}

TEST(ReferenceConversion, CountsSignificantDigits) {
    EXPECT_EQ(reference_conversion("000123.4500e7", ".").significant_digits, 5u);
    EXPECT_EQ(reference_conversion("0.0", ".").significant_digits, 0u);
}

}  // namespace
}  // namespace helio::test
