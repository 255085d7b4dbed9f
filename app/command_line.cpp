// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <algorithm>
#include <stdexcept>

namespace helio {

console_options parse_command_line(const std::vector<std::string>& arguments) {
    console_options options;
    bool discovery_given = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--trace") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                throw std::invalid_argument("--trace needs a file name, or - for standard error");
            }
            options.trace_path = arguments[++i];
        } else if (argument.starts_with("--trace=")) {
            options.trace_path = argument.substr(8);
            if (options.trace_path->empty()) {
                throw std::invalid_argument("--trace needs a file name, or - for standard error");
            }
        } else if (argument == "--vcd" || argument.starts_with("--vcd=")) {
            options.vcd_path = argument == "--vcd" && i + 1 < arguments.size()
                                   ? arguments[++i]
                                   : argument.substr(std::min<std::size_t>(argument.size(), 6));
            if (options.vcd_path->empty()) {
                throw std::invalid_argument("--vcd needs a file name");
            }
        } else if (argument == "--alpaca") {
            if (i + 1 >= arguments.size()) {
                throw std::invalid_argument("--alpaca needs [ADDRESS:]PORT");
            }
            options.alpaca = alpaca::parse_endpoint(arguments[++i]);
        } else if (argument.starts_with("--alpaca=")) {
            options.alpaca = alpaca::parse_endpoint(argument.substr(9));
        } else if (argument == "--alpaca-discovery") {
            if (i + 1 >= arguments.size()) {
                throw std::invalid_argument("--alpaca-discovery needs a PORT, or 0 for none");
            }
            options.alpaca_discovery = alpaca::parse_port(arguments[++i], argument);
            discovery_given = true;
        } else if (argument.starts_with("--alpaca-discovery=")) {
            options.alpaca_discovery =
                alpaca::parse_port(argument.substr(19), "--alpaca-discovery");
            discovery_given = true;
        } else if (argument == "--simulate") {
            options.simulate = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else {
            throw std::invalid_argument("unknown argument: " + argument);
        }
    }
    if (discovery_given && !options.alpaca) {
        throw std::invalid_argument("--alpaca-discovery goes with --alpaca [ADDRESS:]PORT");
    }
    return options;
}

std::string usage_text(const std::string& program) {
    return "Usage: " + program +
           " [--simulate] [--trace FILE] [--vcd FILE]"
           " [--alpaca [ADDRESS:]PORT [--alpaca-discovery PORT]]\n"
           "The operator's test console of the solar heliograph's TTL-driven mechanisms.\n"
           "\n"
           "  --simulate    run on the simulated heliograph\n"
           "  --trace FILE  write every port access and log line to FILE (- for standard\n"
           "                error): W <value> per write, R <byte> per read (R <byte> <count>\n"
           "                for a run of identical reads), L <text> per logged line,\n"
           "                E <text> per error shown to the operator\n"
           "  --vcd FILE    record the TTL lines and each action in FILE as a Value Change\n"
           "                Dump, for a waveform viewer (GTKWave, PulseView)\n"
           "  --alpaca [ADDRESS:]PORT\n"
           "                serve the heliograph as an ASCOM Alpaca device (FilterWheel 0, the\n"
           "                blades; Switch 0, mirror, pusher, sighting button, INIT) on PORT,\n"
           "                on 127.0.0.1 unless ADDRESS is given. Alpaca has no\n"
           "                authentication: whoever reaches the port drives the instrument\n"
           "  --alpaca-discovery PORT\n"
           "                answer Alpaca discovery on UDP PORT (32227 unless given; 0: no\n"
           "                discovery), from the networks that reach the server's ADDRESS\n"
           "  --help        print this help and stop\n"
           "  --version     print the version and stop\n";
}

}  // namespace helio
