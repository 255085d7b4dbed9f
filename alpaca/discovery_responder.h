// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/udp.hpp>

namespace helio::alpaca {

/// The UDP port of Alpaca discovery.
inline constexpr std::uint16_t discovery_port = 32227;

/// Answers Alpaca discovery: a datagram that holds "alpacadiscovery1", sent to the
/// discovery port (broadcast, or straight to this address), gets back {"AlpacaPort": N}, the
/// HTTP port, from the same address. Anything else is ignored.
class discovery_responder {
  public:
    /// Listens on `address`:`port` at once; throws boost::system::system_error if it cannot.
    discovery_responder(boost::asio::io_context& io, const boost::asio::ip::address& address,
                        std::uint16_t alpaca_port, std::uint16_t port = discovery_port);

    discovery_responder(const discovery_responder&) = delete;
    discovery_responder& operator=(const discovery_responder&) = delete;

  private:
    void receive();

    boost::asio::ip::udp::socket socket_;
    boost::asio::ip::udp::endpoint sender_;
    std::array<char, 512> datagram_{};
    std::string answer_;
};

}  // namespace helio::alpaca
