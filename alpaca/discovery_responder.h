// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/udp.hpp>

#include "alpaca/datagram_arrival.h"

namespace helio::alpaca {

/// Answers Alpaca discovery for the HTTP server listening on `server`, port `alpaca_port`:
/// a datagram that holds "alpacadiscovery1", sent to the discovery port (broadcast on IPv4,
/// to the multicast group ff12::a1:9aca on IPv6, or straight to this computer), gets back
/// {"AlpacaPort": N} when its sender can reach the server (reaches_server), from the
/// server's own address when it has one. Each family the server takes is heard on every
/// address, sharing the port with the other Alpaca servers of this computer. Anything else
/// is ignored.
class discovery_responder {
  public:
    /// Listens at once for IPv4 if the server takes IPv4 (`server` is IPv4, or `::` on a
    /// socket that takes both), for IPv6 if it is IPv6. Throws boost::system::system_error
    /// if it cannot.
    discovery_responder(boost::asio::io_context& io, const boost::asio::ip::address& server,
                        bool server_takes_ipv4, std::uint16_t alpaca_port, std::uint16_t port);
    ~discovery_responder();

    discovery_responder(const discovery_responder&) = delete;
    discovery_responder& operator=(const discovery_responder&) = delete;

  private:
    class listener;

    std::string answer_;
    std::vector<std::unique_ptr<listener>> listeners_;
};

}  // namespace helio::alpaca
