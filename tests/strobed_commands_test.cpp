// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/strobed_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/recorders.h"
#include "support/scripted_component_factory.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

/// One sequence run against scripted input states.
class StrobedCommandTest : public ::testing::Test {
  protected:
    StrobedCommandTest() { port.add_observer(ports); }

    void script(std::vector<std::int32_t> raw_reads) {
        factory.script_reads({raw_reads.begin(), raw_reads.end()});
    }

    test::scripted_component_factory factory;
    port_access port{factory};
    test::line_recorder log;
    manual_clock time{std::chrono::microseconds(1)};
    sequence_context context{port, log, time};
    test::port_recorder ports{/*with_reads=*/true};
};

TEST_F(StrobedCommandTest, PulseCommandPresentsStrobesHoldsAndReleases) {
    pulse_command(port, 32, 2);
    EXPECT_THAT(ports.events, ElementsAre("W 32", "W 34", "S1", "W 32", "W 0"));
}

TEST_F(StrobedCommandTest, VisseAlreadyInPositionSendsNothing) {
    script({2});
    position_visee(context);
    EXPECT_THAT(ports.events, ElementsAre("R 2"));
    EXPECT_THAT(log.lines, ElementsAre("Visee positionnee"));
}

TEST_F(StrobedCommandTest, VisseSendsItsCommandAndWaitsForBit1Only) {
    script({0, 0, 1 | 4 | 8 | 16, 253, 2 | 4});
    position_visee(context);
    EXPECT_THAT(ports.events, ElementsAre("R 0", "W 8", "W 10", "S1", "W 8", "W 0", "R 0", "R 29",
                                          "R 253", "R 6"));
    EXPECT_THAT(log.lines, ElementsAre("Visee positionnee"));
}

TEST_F(StrobedCommandTest, CcdSendsItsCommandAndWaitsForBit2Only) {
    script({1 | 2 | 8, 1 | 2 | 8, 251, 4});
    position_ccd(context);
    EXPECT_THAT(ports.events,
                ElementsAre("R 11", "W 16", "W 18", "S1", "W 16", "W 0", "R 11", "R 251", "R 4"));
    EXPECT_THAT(log.lines, ElementsAre("CCD positionnee"));
}

TEST_F(StrobedCommandTest, CcdAlreadyInPositionSendsNothing) {
    script({4 | 8});
    position_ccd(context);
    EXPECT_THAT(ports.writes, IsEmpty());
    EXPECT_THAT(log.lines, ElementsAre("CCD positionnee"));
}

TEST_F(StrobedCommandTest, PusherRefusedWhileTheSightingButtonIsInactive) {
    script({2 | 4 | 8});
    actuate_pusher(context);
    EXPECT_THAT(ports.events, ElementsAre("R 14"));
    EXPECT_THAT(log.lines, ElementsAre("Bouton de visee NON active"));
}

TEST_F(StrobedCommandTest, PusherWithTheMirrorAtSightingPulsesAtOnce) {
    script({1 | 2});
    actuate_pusher(context);
    EXPECT_THAT(ports.events, ElementsAre("R 3", "R 3", "W 32", "W 34", "S1", "W 32", "W 0"));
    EXPECT_THAT(log.lines, ElementsAre("Bouton de visee active", "Visee positionnee"));
}

TEST_F(StrobedCommandTest, PusherBringsTheMirrorToSightingFirst) {
    script({1, 1, 1, 1 | 2});
    actuate_pusher(context);
    EXPECT_THAT(ports.events, ElementsAre("R 1", "R 1", "W 8", "W 10", "S1", "W 8", "W 0", "R 1",
                                          "R 3", "W 32", "W 34", "S1", "W 32", "W 0"));
    EXPECT_THAT(log.lines, ElementsAre("Bouton de visee active", "Visee positionnee"));
}

TEST_F(StrobedCommandTest, PusherDecidesTheInterlockOnceAtTheStart) {
    // The button drops while the mirror travels: the pulse still goes, as decided.
    script({1, 0, 0, 2});
    actuate_pusher(context);
    EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0, 32, 34, 32, 0));
}

TEST_F(StrobedCommandTest, AReadingNoPortCanGiveNeverPassesTheInterlock) {
    script({-65537});  // its remainder is -1: every status bit would seem set
    EXPECT_THROW(actuate_pusher(context), overflow_error);
    EXPECT_THAT(ports.writes, IsEmpty());
    EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(StrobedCommandTest, AFailureAbandonsTheSequenceWhereItHappens) {
    script({0});
    factory.fail_access(3, static_cast<status_code>(0x80004005));  // the write of 10
    EXPECT_THROW(position_visee(context), io_error);
    EXPECT_THAT(ports.events, ElementsAre("R 0", "W 8"));
    EXPECT_THAT(log.lines, IsEmpty());
    EXPECT_EQ(factory.accesses(), 3u) << "nothing more after the failing access";
}

}  // namespace
}  // namespace helio
