// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "app/command_line.h"
#include "console/form1_model.h"
#include "console/trace_writer.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"

namespace helio {
namespace {

using namespace std::chrono_literals;

TEST(CommandLine, TraceAndSimulateOptions) {
    EXPECT_FALSE(parse_command_line({}).trace_path);
    EXPECT_EQ(parse_command_line({"--trace", "out.txt"}).trace_path, "out.txt");
    EXPECT_EQ(parse_command_line({"--trace=-"}).trace_path, "-");
    EXPECT_TRUE(parse_command_line({"--simulate"}).simulate);
    EXPECT_TRUE(parse_command_line({"--help"}).help);
    EXPECT_THROW(parse_command_line({"--trace"}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--trace="}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--bogus"}), std::invalid_argument);
}

TEST(TraceWriter, OneLinePerEventInTheOrderTheyHappened) {
    manual_clock time{100us};
    sim::heliograph_controller controller(time);
    sim::simulated_device device(controller);
    ttl_lines lines(device);
    form1_model model(lines, time, ".");
    std::ostringstream out;
    trace_writer trace(out);
    lines.add_observer(trace);
    model.add_log_observer(trace);

    model.press("Command9");
    controller.set_travel_scale(0);
    model.press("Command6");
    EXPECT_EQ(out.str(),
              "W 0\n"
              "L consigne 128\n"
              "W 0\nW 3\nW 0\nW 128\nW 129\nW 128\nW 0\n"
              "R 13\n"
              "L lames en position Centre Raie\n");
}

}  // namespace
}  // namespace helio
