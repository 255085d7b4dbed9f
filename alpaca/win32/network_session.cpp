// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/network_session.h"

#include <winsock2.h>

#include <stdexcept>
#include <string>

namespace helio::alpaca {

network_session::network_session() {
    WSADATA details;
    if (const int failed = WSAStartup(MAKEWORD(2, 0), &details)) {
        throw std::runtime_error(
            "cannot start Windows sockets (WSAStartup: " + std::to_string(failed) + ")");
    }
}

network_session::~network_session() {
    WSACleanup();
}

}  // namespace helio::alpaca
