// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "app/command_line.h"
#include "console/form1_model.h"
#include "support/traced_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;

TEST(CommandLine, TraceAndSimulateOptions) {
    EXPECT_FALSE(parse_command_line({}).trace_path);
    EXPECT_EQ(parse_command_line({"--trace", "out.txt"}).trace_path, "out.txt");
    EXPECT_EQ(parse_command_line({"--trace=-"}).trace_path, "-");
    EXPECT_TRUE(parse_command_line({"--simulate"}).simulate);
    EXPECT_TRUE(parse_command_line({"--help"}).help);
    EXPECT_TRUE(parse_command_line({"--version"}).version);
    EXPECT_THROW(parse_command_line({"--trace"}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--trace="}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--bogus"}), std::invalid_argument);
}

TEST(TraceWriter, OneLinePerEventInTheOrderTheyHappened) {
    test::traced_console console(100us);
    form1_model& model = console.model;

    model.press("Command9");
    console.controller.set_travel_scale(0);
    model.press("Command6");
    EXPECT_EQ(console.out.str(),
              "W 0\n"
              "L consigne 128\n"
              "W 0\nW 3\nW 0\nW 128\nW 129\nW 128\nW 0\n"
              "R 13\n"
              "L lames en position Centre Raie\n");
}

}  // namespace
}  // namespace helio
