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

/// The trace's lines without the reads, whose number depends on how long a move takes.
std::vector<std::string> writes_and_lines(const std::string& trace) {
    std::vector<std::string> kept;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("R ")) {
            kept.push_back(line);
        }
    }
    return kept;
}

// The reference every other build of the console is held to: the script on the simulator.
TEST(EveryButtonScript, PlaysOnTheSimulatorAsWritten) {
    test::traced_console console(50us);
    form1_model& model = console.model;

    for (const test::scripted_press& press : test::every_button_script()) {
        if (!press.typed.empty()) {
            model.Text1_Change(press.typed);
        }
        const std::size_t logged = model.lines().size();
        ASSERT_TRUE(model.press(press.control)) << press.control;
        const std::vector<std::string> new_lines(model.lines().begin() + static_cast<long>(logged),
                                                 model.lines().end());
        EXPECT_EQ(new_lines, press.lines()) << press.control;
    }
    EXPECT_EQ(writes_and_lines(console.out.str()), test::every_button_trace());
    EXPECT_TRUE(console.controller.monitor().clean());
    EXPECT_EQ(console.device.live_instances(), 0u);
}

}  // namespace
}  // namespace helio
