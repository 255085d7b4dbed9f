// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "alpaca/console_runner.h"
#include "alpaca/remote_access.h"
#include "console/line_monitor.h"

namespace helio::alpaca {

/// What the maintainer's panel shows of the Alpaca server, in the line monitor every view
/// of the panel draws: a status line that says whether the server is on and where, and in
/// the transcript each command a client has the console run, ahead of its accesses.
class monitor_report final : private remote_command_observer {
  public:
    /// The server is off: the status line says so.
    explicit monitor_report(line_monitor& monitor);
    /// The server is on at `address` ("127.0.0.1:11111"), its commands run by `runner`;
    /// `discovery_problem`, if any, says why discovery is off.
    monitor_report(line_monitor& monitor, console_runner& runner, const std::string& address,
                   const std::string& discovery_problem);
    ~monitor_report() override;

    monitor_report(const monitor_report&) = delete;
    monitor_report& operator=(const monitor_report&) = delete;

  private:
    void remote_command_started(const remote_command& command) override;

    line_monitor& monitor_;
    console_runner* runner_ = nullptr;
};

/// The panel's report of `remote`, the server the console runs if it runs one; to be gone
/// before the server is.
std::unique_ptr<monitor_report> report_in(line_monitor& monitor,
                                          std::optional<remote_access>& remote);

}  // namespace helio::alpaca
