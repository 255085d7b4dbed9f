// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "alpaca/server_endpoint.h"

namespace helio {

/// What the maintainer asked for on the command line.
struct console_options {
    std::optional<std::string> trace_path;          ///< "-" for standard error
    std::optional<std::string> vcd_path;            ///< the lines as a waveform file
    bool simulate = false;                          ///< run on the simulated heliograph
    std::optional<alpaca::server_endpoint> alpaca;  ///< serve the Alpaca device there
    std::uint16_t alpaca_discovery = alpaca::default_discovery_port;  ///< UDP; 0: none
    bool help = false;
    bool version = false;  ///< print the version and stop
};

/// Parses the arguments that follow the program name. Throws std::invalid_argument with a
/// message for the maintainer on anything it does not know.
console_options parse_command_line(const std::vector<std::string>& arguments);

/// The --help text.
std::string usage_text(const std::string& program);

}  // namespace helio
