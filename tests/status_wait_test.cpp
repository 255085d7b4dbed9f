// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/status_wait.h"

#include <gtest/gtest.h>

#include "sequences/blade_positioning.h"
#include "sequences/strobed_commands.h"
#include "support/recorders.h"
#include "support/simulated_port.h"

namespace helio {
namespace {

using namespace std::chrono_literals;

/// The sequences against the simulated heliograph, on a clock that moves 100 us per
/// reading, so that every wait passes through simulated time without real time.
class StatusWaitTest : public ::testing::Test, protected test::simulated_port {
  protected:
    StatusWaitTest() : simulated_port(test::make_sim().step(100us)) {}

    sequence_context context{port, time, ".", &ports};
};

TEST_F(StatusWaitTest, AMechanismJustInsideTheLimitArrives) {
    // 103 codes at 20 ms each is 2.06 s; scaled to 59.9 s.
    controller.set_travel_scale(59.9 / 2.06);
    move_blades(context, 10);
    EXPECT_TRUE(ports.last_wait().arrived);
    EXPECT_GT(ports.last_wait().took, 59s);
    EXPECT_EQ(ports.lines.back(), "lames en position  +1 Ang.");
}

TEST_F(StatusWaitTest, TheWindowGetsARepaintEvery20msNotEveryRead) {
    position_visee(context);  // 1.5 s of mirror travel
    EXPECT_TRUE(ports.last_wait().arrived);
    EXPECT_EQ(ports.waits_began.back(), 1);
    EXPECT_GE(ports.keep_alives, 70);
    EXPECT_LE(ports.keep_alives, 76);
    EXPECT_GT(ports.reads, 10 * ports.keep_alives);
}

}  // namespace
}  // namespace helio
