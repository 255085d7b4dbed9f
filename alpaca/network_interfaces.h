// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <boost/asio/ip/address.hpp>

namespace helio::alpaca {

/// One address of one of this machine's network interfaces, and the network it is on.
struct interface_address {
    unsigned index = 0;  ///< the system's number for the interface, as an arrival gives it
    boost::asio::ip::address address;
    unsigned prefix_length = 0;
};

/// Every address of every interface that is up, loopback included, as the system has them
/// now (an interface may come and go while the console runs).
std::vector<interface_address> interface_addresses();

}  // namespace helio::alpaca
