// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

namespace helio::alpaca {

/// The system's sockets started for as long as it lives: on Windows, Winsock, which the
/// console starts only with its Alpaca device (app/winsock_on_demand.cpp); elsewhere nothing.
class network_session {
  public:
#ifdef _WIN32
    /// Throws std::runtime_error if Winsock cannot start.
    network_session();
    ~network_session();
#else
    network_session() = default;
#endif

    network_session(const network_session&) = delete;
    network_session& operator=(const network_session&) = delete;
};

}  // namespace helio::alpaca
