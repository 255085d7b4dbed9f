// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/server_status.h"

namespace helio::alpaca {

namespace {

constexpr std::string_view status_key = "alpaca";
constexpr std::string_view discovery_key = "alpaca discovery";

}  // namespace

void report_server_off(line_monitor& monitor) {
    monitor.set_status_line(status_key, "Serveur Alpaca : arrêté (option --alpaca)");
}

void report_server_on(line_monitor& monitor, const std::string& address,
                      const std::string& discovery_problem) {
    // Anyone who reaches the address drives the instrument: the maintainer should see it.
    monitor.set_status_line(status_key, "Serveur Alpaca : en service sur http://" + address +
                                            "/ (sans authentification)");
    if (!discovery_problem.empty()) {
        monitor.set_status_line(discovery_key, "Découverte Alpaca : " + discovery_problem);
    }
}

}  // namespace helio::alpaca
