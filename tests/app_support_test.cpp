// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "console/form1_model.h"
#include "support/recorders.h"
#include "support/traced_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using ::testing::StartsWith;

TEST(CommandLine, TraceAndSimulateOptions) {
    EXPECT_FALSE(parse_command_line({}).trace_path);
    EXPECT_EQ(parse_command_line({"--trace", "out.txt"}).trace_path, "out.txt");
    EXPECT_EQ(parse_command_line({"--trace=-"}).trace_path, "-");
    EXPECT_TRUE(parse_command_line({"--simulate"}).simulate);
    EXPECT_TRUE(parse_command_line({"--help"}).help);
    EXPECT_TRUE(parse_command_line({"--version"}).version);
    EXPECT_THROW(parse_command_line({"--trace"}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--trace="}), std::invalid_argument);
    EXPECT_EQ(parse_command_line({"--vcd", "lines.vcd", "--simulate"}).vcd_path, "lines.vcd");
    EXPECT_EQ(parse_command_line({"--vcd=lines.vcd"}).vcd_path, "lines.vcd");
    EXPECT_THROW(parse_command_line({"--vcd"}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--vcd="}), std::invalid_argument);
    EXPECT_THROW(parse_command_line({"--bogus"}), std::invalid_argument);
}

TEST(CommandLine, TheDiscoveryPortGoesWithTheServerInEitherOrder) {
    const struct {
        std::vector<std::string> arguments;
        int port;  // -1: refused
    } cases[] = {
        {{"--alpaca", "11111"}, 32227},
        {{"--alpaca", "11111", "--alpaca-discovery", "0"}, 0},
        {{"--alpaca-discovery=4000", "--alpaca=0.0.0.0:11111"}, 4000},
        {{"--alpaca-discovery", "4000"}, -1},
        {{"--alpaca", "11111", "--alpaca-discovery", "65536"}, -1},
        {{"--alpaca", "11111", "--alpaca-discovery"}, -1},
    };
    for (const auto& [arguments, port] : cases) {
        SCOPED_TRACE(arguments.back());
        if (port < 0) {
            EXPECT_THROW(parse_command_line(arguments), std::invalid_argument);
        } else {
            EXPECT_EQ(parse_command_line(arguments).alpaca_discovery, port);
        }
    }
}

std::vector<std::string> lines_of(const std::string& trace) {
    std::vector<std::string> lines;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(TraceWriter, AMinuteOfIdenticalReadsIsOneLineEndedWithItsCommand) {
    test::traced_console console(1ms);  // every reading of the clock moves it a millisecond
    console.controller.blades().set_stuck(true);
    console.model.press("Command6");  // times out after 60 s
    const int timed_out_reads = console.ports.reads;
    console.model.press("Command1");  // the mirror from the CCD stop: its first read is alike

    const std::vector<std::string> trace = lines_of(console.out.str());
    EXPECT_LT(trace.size(), 100u);
    ASSERT_GE(trace.size(), 10u);
    EXPECT_EQ(trace[0], "L consigne 128");
    EXPECT_EQ(trace[8], "R 5 " + std::to_string(timed_out_reads)) << "the time-out's reads";
    EXPECT_GT(timed_out_reads, 10000);
    EXPECT_THAT(trace[9], StartsWith("E Le mécanisme « lames » n'a pas signalé son arrivée"))
        << "what the operator was shown";
    EXPECT_EQ(trace[10], "R 5") << "a command's reads never join the last one's";
    EXPECT_EQ(trace.back(), "L Visee positionnee");
}

TEST(TraceWriter, EveryErrorTheOperatorIsShownIsOneELine) {
    test::traced_console console(100us);
    console.device.report_error(
        "Le composant est introuvable.\nAucune commande n'atteindra "
        "l'instrument.");
    console.factory.fault_next_access(
        {sim::access_fault::kind::fail_creation, sim::status_class_not_registered, {}});
    console.model.press("Command9");
    console.model.press("Command9");
    EXPECT_EQ(console.out.str(),
              "E Le composant est introuvable. Aucune commande n'atteindra l'instrument.\n"
              "E Le composant d'entrées-sorties n'est pas enregistré sur ce PC : classe "
              "{E715B92B-25F9-11D1-9330-444553540000} inconnue (CreateInstance, code 0x80040154 "
              ": Classe non enregistrée). Enregistrez-le avec son programme d'installation ou "
              "avec regsvr32, ou démarrez la console avec --simulate. La commande est "
              "abandonnée.\n"
              "W 0\n")
        << "the failed press left its message on one line; the next one wrote its byte";
}

}  // namespace
}  // namespace helio
