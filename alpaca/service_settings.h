// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "alpaca/server_endpoint.h"

namespace helio::alpaca {

/// How the console's Alpaca device is served, as the console's start decides it.
struct service_settings {
    server_endpoint http;
    std::uint16_t discovery_port = default_discovery_port;  ///< 0: no discovery
    bool simulated = false;  ///< the simulator is served: its UniqueIDs are not the instrument's
};

}  // namespace helio::alpaca
