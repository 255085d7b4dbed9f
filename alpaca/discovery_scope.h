// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <boost/asio/ip/address.hpp>

#include "alpaca/network_interfaces.h"

namespace helio::alpaca {

/// Where a datagram came in.
struct arrival {
    boost::asio::ip::address destination;  ///< as sent: a broadcast, multicast or own address
    unsigned interface_index = 0;          ///< of the interface it came in on
};

/// Whether the client of a discovery datagram arriving as `datagram` can reach the HTTP
/// server listening on `server` (of the datagram's family, or unspecified): always for a
/// server on every address; for one on an address of its own, when the datagram was sent
/// to that address, or came in on an interface whose network holds it. A client of another
/// network is not told a port it could not reach.
bool reaches_server(const boost::asio::ip::address& server, const arrival& datagram,
                    const std::vector<interface_address>& interfaces);

}  // namespace helio::alpaca
