// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "alpaca/alpaca_server.h"
#include "alpaca/blade_tracker.h"
#include "alpaca/console_runner.h"
#include "alpaca/device_state.h"
#include "alpaca/request_router.h"
#include "alpaca/service_settings.h"
#include "alpaca/ui_poster.h"
#include "console/form1_model.h"

namespace helio::alpaca {

/// The console's Alpaca device, in service while it lives: FilterWheel 0 and Switch 0
/// served as `settings` say (and discovery for the networks that reach the server), every
/// command run on the console's thread through `poster`, in the same queue as the buttons.
/// Built and destroyed on the console's thread. Throws machine_identity_error when this
/// machine has no identity to make the UniqueIDs of.
class remote_access {
  public:
    remote_access(form1_model& model, ui_poster& poster, const service_settings& settings);

    const server_endpoint& listening() const { return server_.listening(); }
    const std::string& discovery_problem() const { return server_.discovery_problem(); }
    console_runner& runner() { return runner_; }

  private:
    device_state state_;
    blade_tracker tracker_;
    console_runner runner_;
    request_router router_;
    alpaca_server server_;  // last: stopped first, before what it reaches
};

/// What the console tells the maintainer as the server starts: "heliograph-console: Alpaca
/// device on http://127.0.0.1:11111/", and why discovery is off if it is.
std::string service_notice(const remote_access& access);

}  // namespace helio::alpaca
