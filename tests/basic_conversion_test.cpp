// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/basic_conversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "ttl/errors.h"

namespace helio {
namespace {

constexpr std::int32_t int32_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32_min = std::numeric_limits<std::int32_t>::min();

TEST(CheckedArithmetic, OverflowIsAnErrorNotAWrapAround) {
    EXPECT_EQ(checked_add(int32_max - 65536, 65536), int32_max);
    EXPECT_THROW(checked_add(int32_max - 65535, 65536), overflow_error);
    EXPECT_THROW(checked_add(int32_min, -1), overflow_error);
    EXPECT_EQ(checked_multiply(214748, 10000), 2147480000);
    EXPECT_THROW(checked_multiply(214749, 10000), overflow_error);
    EXPECT_THROW(checked_multiply(-214749, 10000), overflow_error);
}

TEST(RoundToInt32, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(round_to_int32(2.5), 2);
    EXPECT_EQ(round_to_int32(3.5), 4);
    EXPECT_EQ(round_to_int32(-2.5), -2);
    EXPECT_EQ(round_to_int32(-3.5), -4);
    EXPECT_EQ(round_to_int32(0.5), 0);
    EXPECT_EQ(round_to_int32(2.5000001), 3);
    EXPECT_EQ(round_to_int32(-0.4), 0);
}

TEST(RoundToInt32, RangeEndsAreExact) {
    EXPECT_EQ(round_to_int32(2147483647.4), int32_max);
    EXPECT_THROW(round_to_int32(2147483647.5), overflow_error) << "rounds to 2^31";
    EXPECT_EQ(round_to_int32(-2147483648.5), int32_min) << "the even neighbour is in range";
    EXPECT_THROW(round_to_int32(-2147483648.6), overflow_error);
    EXPECT_THROW(round_to_int32(std::numeric_limits<double>::infinity()), overflow_error);
    EXPECT_THROW(round_to_int32(std::numeric_limits<double>::quiet_NaN()), conversion_error);
}

TEST(ToInt32, ConvertsEveryVariantTypeAsBasicDoes) {
    EXPECT_EQ(to_int32(port_value{empty_value{}}), 0);
    EXPECT_THROW(to_int32(port_value{null_value{}}), conversion_error);
    EXPECT_EQ(to_int32(port_value{true}), -1);
    EXPECT_EQ(to_int32(port_value{false}), 0);
    EXPECT_EQ(to_int32(port_value{std::uint8_t{200}}), 200);
    EXPECT_EQ(to_int32(port_value{std::int16_t{-1}}), -1);
    EXPECT_EQ(to_int32(port_value{std::int32_t{300}}), 300);
    EXPECT_EQ(to_int32(port_value{2.5}), 2);
    EXPECT_EQ(to_int32(port_value{3.5f}), 4);
    EXPECT_THROW(to_int32(port_value{1e10}), overflow_error);
    EXPECT_EQ(to_int32(port_value{std::string(" 12 ")}), 12);
    EXPECT_THROW(to_int32(port_value{std::string("abc")}), conversion_error);
    const number_format french{",", "\xC2\xA0", "\xE2\x82\xAC"};
    EXPECT_EQ(to_int32(port_value{std::string("1,5")}, french), 2) << "text in the given format";
}

}  // namespace
}  // namespace helio
