// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "console/form1_model.h"
#include "support/every_button_script.h"
#include "support/traced_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;

// The reference every other build of the console is held to: the script on the simulator.
TEST(EveryButtonScript, PlaysOnTheSimulatorAsWritten) {
    test::traced_console console(50us);
    form1_model& model = console.model;

    test::play_every_button(model, [&](const test::scripted_press& press) {
        if (!press.typed.empty()) {
            model.Text1_Change(press.typed);
        }
        EXPECT_TRUE(model.press(press.control)) << press.control;
    });
    std::istringstream trace(console.out.str());
    EXPECT_EQ(test::trace_without_reads(trace), test::every_button_trace());
    const sim::heliograph_controller& controller = console.controller;
    EXPECT_TRUE(controller.violations().clean())
        << controller.violations().newest().front().description;
    EXPECT_EQ(controller.mirror().place(), sim::mirror_place::sighting);
    EXPECT_EQ(controller.blades().target_code(), 100);
    EXPECT_TRUE(controller.blades().in_position());
    EXPECT_EQ(controller.pusher_actuations(), 2);
    EXPECT_EQ(console.factory.live_instances(), 0u);
    EXPECT_THAT(console.host.errors, ::testing::IsEmpty());
    EXPECT_EQ(console.host.started, static_cast<int>(test::every_button_script().size()));
    EXPECT_EQ(console.host.finished, console.host.started);
}

}  // namespace
}  // namespace helio
