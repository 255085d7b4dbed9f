// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "console/line_monitor.h"

/// What the panel's line monitor says of the Alpaca server. The actions its clients run
/// show in the monitor's transcript of themselves.
namespace helio::alpaca {

/// The server is off: a status line says so.
void report_server_off(line_monitor& monitor);

/// The server is on at `address` ("127.0.0.1:11111"); `discovery_problem`, if any, says why
/// discovery is off.
void report_server_on(line_monitor& monitor, const std::string& address,
                      const std::string& discovery_problem);

}  // namespace helio::alpaca
