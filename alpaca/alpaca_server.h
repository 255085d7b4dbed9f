// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <boost/asio/io_context.hpp>

#include "alpaca/discovery_responder.h"
#include "alpaca/http_server.h"
#include "alpaca/server_endpoint.h"

namespace helio::alpaca {

/// The network side of the console's Alpaca device: the HTTP server and the discovery
/// responder for the networks that reach it, served by a thread of their own, so that
/// answering a client never waits for the console's thread (busy in a sequence) and the
/// console never waits for a client.
class alpaca_server {
  public:
    /// Opens both ports (no discovery if `discovery_port` is 0) and starts serving. Throws
    /// std::runtime_error with a message for the maintainer if the HTTP port cannot be
    /// opened; if only discovery cannot (another program holds its port without sharing
    /// it), the server runs without it and discovery_problem() says why.
    alpaca_server(const server_endpoint& endpoint, std::uint16_t discovery_port,
                  request_handler handler);
    ~alpaca_server();

    alpaca_server(const alpaca_server&) = delete;
    alpaca_server& operator=(const alpaca_server&) = delete;

    /// The address and the port it listens on (the port the system picked, if 0 was asked).
    const server_endpoint& listening() const { return listening_; }
    const std::string& discovery_problem() const { return discovery_problem_; }

  private:
    boost::asio::io_context io_;
    std::optional<http_server> http_;
    std::optional<discovery_responder> discovery_;
    server_endpoint listening_;
    std::string discovery_problem_;
    std::thread thread_;
};

/// This computer's name, for the management API's Location.
std::string computer_name();

}  // namespace helio::alpaca
