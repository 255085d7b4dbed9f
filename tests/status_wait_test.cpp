// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/status_wait.h"

#include <gtest/gtest.h>

#include "sequences/blade_positioning.h"
#include "sequences/strobed_commands.h"
#include "support/recorders.h"
#include "support/simulated_port.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using namespace std::chrono_literals;

/// The sequences against the simulated heliograph, on a clock that moves 100 us per
/// reading, so that every wait passes through simulated time without real time.
class StatusWaitTest : public ::testing::Test, protected test::simulated_port {
  protected:
    StatusWaitTest() : simulated_port(test::make_sim().step(100us)) {
        context.wait_observers.add(counter);
    }

    test::line_recorder log;
    sequence_context context{port, log, time};
    test::wait_recorder counter;
};

TEST_F(StatusWaitTest, AStuckMechanismTimesOutAtTheLimitNotBefore) {
    controller.blades().set_stuck(true);
    const clock::time_point start = time.now();
    try {
        move_blades(context, 10);
        FAIL() << "stuck blades must not be reported in position";
    } catch (const timeout_error& error) {
        EXPECT_EQ(error.bit(), 3);
        EXPECT_EQ(error.mechanism(), "lames");
        EXPECT_EQ(error.limit(), 60s);
    }
    EXPECT_GE(time.now() - start, 60s);
    EXPECT_LT(time.now() - start, 60s + 1ms);
    EXPECT_FALSE(counter.last().arrived);
    EXPECT_EQ(log.lines.size(), 1u) << "no arrival line after a time-out";
    EXPECT_EQ(ports.writes.back(), 0) << "the outputs were released before the wait";
}

TEST_F(StatusWaitTest, AMechanismJustInsideTheLimitArrives) {
    // 103 codes at 20 ms each is 2.06 s; scaled to 59.9 s.
    controller.set_travel_scale(59.9 / 2.06);
    move_blades(context, 10);
    EXPECT_TRUE(counter.last().arrived);
    EXPECT_GT(counter.last().took, 59s);
    EXPECT_EQ(log.lines.back(), "lames en position  +1 Ang.");
}

TEST_F(StatusWaitTest, AMechanismJustOutsideTheLimitTimesOut) {
    controller.set_travel_scale(60.1 / 2.06);
    EXPECT_THROW(move_blades(context, 10), timeout_error);
}

TEST_F(StatusWaitTest, EachMirrorWaitNamesItsOwnBit) {
    controller.mirror().set_stuck(true);
    try {
        position_visee(context);
        FAIL();
    } catch (const timeout_error& error) {
        EXPECT_EQ(error.bit(), 1);
    }
    try {
        position_ccd(context);
        FAIL();
    } catch (const timeout_error& error) {
        EXPECT_EQ(error.bit(), 2) << "the stuck mirror is in neither position";
    }
}

TEST_F(StatusWaitTest, TheWindowGetsARepaintEvery20msNotEveryRead) {
    position_visee(context);  // 1.5 s of mirror travel
    EXPECT_TRUE(counter.last().arrived);
    EXPECT_EQ(counter.began.back(), 1);
    EXPECT_GE(counter.keep_alives, 70);
    EXPECT_LE(counter.keep_alives, 76);
    EXPECT_GT(ports.reads, 10 * counter.keep_alives);
}

}  // namespace
}  // namespace helio
