// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/monitor_report.h"

namespace helio::alpaca {

namespace {

constexpr std::string_view status_key = "alpaca";
constexpr std::string_view discovery_key = "alpaca discovery";

}  // namespace

monitor_report::monitor_report(line_monitor& monitor) : monitor_(monitor) {
    monitor_.set_status_line(status_key, "Serveur Alpaca : arrêté (option --alpaca)");
}

monitor_report::monitor_report(line_monitor& monitor, console_runner& runner,
                               const std::string& address, const std::string& discovery_problem)
    : monitor_(monitor), runner_(&runner) {
    // Anyone who reaches the address drives the instrument: the maintainer should see it.
    monitor_.set_status_line(status_key, "Serveur Alpaca : en service sur http://" + address +
                                             "/ (sans authentification)");
    if (!discovery_problem.empty()) {
        monitor_.set_status_line(discovery_key, "Découverte Alpaca : " + discovery_problem);
    }
    runner_->add_observer(*this);
}

monitor_report::~monitor_report() {
    if (runner_ != nullptr) {
        runner_->remove_observer(*this);
    }
}

std::unique_ptr<monitor_report> report_in(line_monitor& monitor,
                                          std::optional<remote_access>& remote) {
    if (!remote) {
        return std::make_unique<monitor_report>(monitor);
    }
    return std::make_unique<monitor_report>(
        monitor, remote->runner(), endpoint_text(remote->listening()), remote->discovery_problem());
}

void monitor_report::remote_command_started(const remote_command& command) {
    monitor_.remote_command_started(command_label(command));
}

}  // namespace helio::alpaca
