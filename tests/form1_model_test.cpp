// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/form1_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "console/log_scroll.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using namespace ::testing;

/// The whole console on the simulated heliograph, with simulated time.
class Form1ModelTest : public ::testing::Test, protected test::simulated_console {
  protected:
    Form1ModelTest() : simulated_console(test::make_sim().step(50us).decimal_separator(".")) {}
};

TEST_F(Form1ModelTest, OnlyButtonsPress) {
    EXPECT_FALSE(model.press("Label1"));
    EXPECT_FALSE(model.press("Text1"));
    EXPECT_FALSE(model.press("Command11"));
    EXPECT_EQ(factory.accesses(), 0u);
}

TEST_F(Form1ModelTest, GoTwiceWithoutEditingRepeatsTheMove) {
    model.Text1_Change("178");
    model.press("Command10");
    ports.writes.clear();
    model.press("Command10");
    EXPECT_EQ(ports.writes, (std::vector<std::int32_t>{16, 19, 16, 176, 177, 176, 0}));
    EXPECT_EQ(model.messages().size(), 6u);
    EXPECT_EQ(model.messages()[5], "Consigne = 178");
}

TEST_F(Form1ModelTest, TheNewestLinesAreKeptAndListenersHearEveryOne) {
    for (std::size_t i = 0; i < form1_model::kept_messages + 5; ++i) {
        device.log_line(std::to_string(i));
    }
    EXPECT_EQ(model.messages().size(), form1_model::kept_messages);
    EXPECT_EQ(model.messages().front(), "5");
    EXPECT_EQ(model.messages().back(), std::to_string(form1_model::kept_messages + 4));
    EXPECT_EQ(ports.lines.size(), form1_model::kept_messages + 5);
    EXPECT_EQ(host.lines.size(), form1_model::kept_messages + 5) << "each one drawn";
}

TEST(FirstVisibleLine, TheLogScrollsOnceTheNextLineWouldFallBelowTheEdge) {
    struct scroll_case {
        std::size_t lines;
        int line_height;
        int client_height;
        std::size_t first;
    };
    const scroll_case cases[] = {
        {0, 13, 365, 0}, {28, 13, 365, 0}, {29, 13, 365, 1}, {100, 13, 365, 72}, {28, 13, 363, 1},
        {3, 13, 39, 0},  {4, 13, 39, 1},   {5, 13, 10, 4},   {1, 13, 10, 0},     {5, 0, 365, 4},
    };
    for (const scroll_case& c : cases) {
        EXPECT_EQ(first_visible_line(c.lines, c.line_height, c.client_height), c.first)
            << c.lines << " lines of " << c.line_height << " px in " << c.client_height << " px";
    }
}

TEST_F(Form1ModelTest, WhatArrivesDuringASequenceRunsAfterItInOrder) {
    struct deferral_case {
        std::vector<std::string> during_wait;  ///< one at each keep-alive from the first
        std::vector<std::string> run;
        std::vector<std::int32_t> writes;
    };
    const deferral_case cases[] = {
        {{"Command9"}, {"Command1 : VISEE", "Command9 : INIT TTL output"}, {8, 10, 8, 0, 0}},
        {{"Command9", "remote"},
         {"Command1 : VISEE", "Command9 : INIT TTL output", "client : INIT TTL output"},
         {8, 10, 8, 0, 0, 0}},
        // The blade move waits in its turn, and what arrives then runs after it.
        {{"Command6", "Command9", "remote"},
         {"Command1 : VISEE", "Command6 : consigne 128", "Command9 : INIT TTL output",
          "client : INIT TTL output"},
         {8, 10, 8, 0, 0, 3, 0, 128, 129, 128, 0, 0, 0}},
    };
    for (const deferral_case& c : cases) {
        controller.set_travel_scale(1.0);
        model.press("Command2");  // the mirror back at the CCD stop: VISEE has to wait
        host.clear();
        // Presses and commands arrive while the window repaints during the wait, as posted
        // clicks or a remote client would, and the title bar's cross is clicked at once.
        std::vector<std::string> during_wait = c.during_wait;
        bool closed_at_once = true;
        host.in_keep_alive = [&, first = true]() mutable {
            if (std::exchange(first, false)) {
                closed_at_once = model.may_close();
            }
            if (!during_wait.empty()) {
                const std::string control = during_wait.front();
                during_wait.erase(during_wait.begin());
                if (control.starts_with("Command")) {
                    EXPECT_TRUE(model.press(control)) << "a press is taken, not refused";
                } else {
                    device.submit({.kind = action_kind::reset_outputs,
                                   .origin = action_origin::network,
                                   .asked_by = "client"});
                }
            }
        };
        ports.clear();

        model.press("Command1");

        host.in_keep_alive = nullptr;
        EXPECT_EQ(ports.actions, c.run);
        EXPECT_EQ(ports.writes, c.writes) << c.run.back();
        EXPECT_FALSE(closed_at_once) << "a close waits for the sequence";
        EXPECT_EQ(host.close_calls, 1) << "and happens once, when all has run";
        EXPECT_THAT(host.errors, IsEmpty());
        EXPECT_FALSE(model.working());
    }
    EXPECT_TRUE(controller.violations().clean());
}

}  // namespace
}  // namespace helio
