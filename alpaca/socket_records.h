// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <boost/asio/detail/socket_types.hpp>
#include <boost/asio/ip/address.hpp>

#include "alpaca/discovery_scope.h"

/// The records of the system's sockets that Linux and Windows lay out alike: the arrival of
/// a datagram, an address.
namespace helio::alpaca {

/// Reads one control record of a received datagram (its level, type and data) into
/// `where` when it tells where the datagram arrived (IP_PKTINFO, IPV6_PKTINFO).
void read_arrival_record(int level, int type, const unsigned char* data, arrival& where);

/// The IP address of a system socket address, with an IPv6 one's interface; the
/// unspecified address for another family.
boost::asio::ip::address address_in(const boost::asio::detail::socket_addr_type* where);

}  // namespace helio::alpaca
