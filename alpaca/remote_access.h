// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "alpaca/alpaca_server.h"
#include "alpaca/console_runner.h"
#include "alpaca/network_session.h"
#include "alpaca/request_router.h"
#include "alpaca/served_state.h"
#include "alpaca/service_settings.h"
#include "alpaca/ui_poster.h"
#include "instrument/instrument.h"

namespace helio::alpaca {

/// The console's Alpaca device, in service while it lives: FilterWheel 0 and Switch 0
/// served as `settings` say (and discovery for the networks that reach the server), every
/// action run on the instrument's thread through `poster`, in the same queue as the buttons.
/// Built and destroyed on the instrument's thread. Throws machine_identity_error when this
/// machine has no identity to make the UniqueIDs of.
class remote_access {
  public:
    remote_access(instrument& device, ui_poster& poster, const service_settings& settings);

    const server_endpoint& listening() const { return server_.listening(); }
    const std::string& discovery_problem() const { return server_.discovery_problem(); }

  private:
    network_session network_;  // first: the machine's name is asked through it
    served_state state_;
    console_runner runner_;
    request_router router_;
    alpaca_server server_;  // last: stopped first, before what it reaches
};

/// What the console tells the maintainer as the server starts: "heliograph-console: Alpaca
/// device on http://127.0.0.1:11111/", and why discovery is off if it is.
std::string service_notice(const remote_access& access);

}  // namespace helio::alpaca
