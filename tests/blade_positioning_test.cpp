// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/blade_positioning.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/scripted_sequence.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TEST(ArrivalMessage, GivesTheOffsetInAngstromsWithTheLocaleSeparator) {
    struct expected_text {
        std::int32_t position;
        const char* with_point;
        const char* with_comma;
    };
    const expected_text cases[] = {
        {10, "lames en position  +1 Ang.", "lames en position  +1 Ang."},
        {5, "lames en position  +0.5 Ang.", "lames en position  +0,5 Ang."},
        {0, "lames en position Centre Raie", "lames en position Centre Raie"},
        {-5, "lames en position  -0.5 Ang.", "lames en position  -0,5 Ang."},
        {-10, "lames en position  -1 Ang.", "lames en position  -1 Ang."},
        {3, "lames en position  +0.3 Ang.", "lames en position  +0,3 Ang."},
        {-1, "lames en position  -0.1 Ang.", "lames en position  -0,1 Ang."},
    };
    for (const expected_text& c : cases) {
        EXPECT_EQ(arrival_message(c.position, "."), c.with_point);
        EXPECT_EQ(arrival_message(c.position, ","), c.with_comma);
    }
}

class MoveBladesTest : public ::testing::Test, protected test::scripted_sequence {};

TEST_F(MoveBladesTest, SendsBothHalvesWithTheirStrobesAndNoReleaseBetween) {
    struct worked_example {
        std::int32_t position;
        std::int32_t code;
        std::vector<std::string> events;
    };
    const worked_example examples[] = {
        {0, 128, {"W 0", "W 3", "S1", "W 0", "W 128", "W 129", "S1", "W 128", "W 0"}},
        {5, 178, {"W 16", "W 19", "S1", "W 16", "W 176", "W 177", "S1", "W 176", "W 0"}},
        {-10, 35, {"W 24", "W 27", "S1", "W 24", "W 32", "W 33", "S1", "W 32", "W 0"}},
        {7, 200, {"W 0", "W 3", "S1", "W 0", "W 200", "W 201", "S1", "W 200", "W 0"}},
    };
    for (const worked_example& example : examples) {
        ports.events.clear();
        factory.script_reads({std::int32_t{8}});
        EXPECT_EQ(move_blades(context, example.position), example.code) << "the code it sent";
        EXPECT_THAT(ports.events, ElementsAreArray(example.events)) << example.position;
    }
}

TEST_F(MoveBladesTest, LogsTheSetpointThenWaitsForBit3ThenLogsTheArrival) {
    factory.script_reads({0, 1 | 2 | 4, 255 - 8, 8 | 1});
    move_blades(context, 0);
    EXPECT_EQ(ports.reads, 4) << "only bit 3 ends the wait";
    EXPECT_THAT(ports.lines, ElementsAre("consigne 128", "lames en position Centre Raie"));
}

TEST_F(MoveBladesTest, OutOfTableFailsBeforeAnythingIsLoggedOrWritten) {
    EXPECT_THROW(move_blades(context, 11), bounds_error);
    EXPECT_THROW(move_blades(context, -11), bounds_error);
    EXPECT_THROW(move_blades(context, 2147483647), overflow_error);
    EXPECT_EQ(factory.accesses(), 0u);
    EXPECT_THAT(ports.lines, IsEmpty());
}

}  // namespace
}  // namespace helio
