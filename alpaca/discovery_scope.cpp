// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/discovery_scope.h"

#include <algorithm>

#include <boost/asio/ip/network_v4.hpp>
#include <boost/asio/ip/network_v6.hpp>

namespace helio::alpaca {

namespace {

namespace ip = boost::asio::ip;

/// Whether `server` is on the network of `address` (the same family).
bool on_network_of(const ip::address& server, const interface_address& address) {
    if (server.is_v4() && address.address.is_v4()) {
        const auto prefix = static_cast<unsigned short>(std::min(address.prefix_length, 32u));
        return ip::make_network_v4(server.to_v4(), prefix).canonical() ==
               ip::make_network_v4(address.address.to_v4(), prefix).canonical();
    }
    if (server.is_v6() && address.address.is_v6()) {
        const auto prefix = static_cast<unsigned short>(std::min(address.prefix_length, 128u));
        return ip::make_network_v6(server.to_v6(), prefix).canonical() ==
               ip::make_network_v6(address.address.to_v6(), prefix).canonical();
    }
    return false;
}

}  // namespace

bool reaches_server(const ip::address& server, const arrival& datagram,
                    const std::vector<interface_address>& interfaces) {
    if (server.is_unspecified() || datagram.destination == server) {
        return true;
    }
    // A link-local address is reached on its own link only, whatever its prefix.
    if (server.is_v6() && server.to_v6().is_link_local()) {
        return server.to_v6().scope_id() == datagram.interface_index;
    }
    return std::ranges::any_of(interfaces, [&](const interface_address& address) {
        return address.index == datagram.interface_index && on_network_of(server, address);
    });
}

}  // namespace helio::alpaca
