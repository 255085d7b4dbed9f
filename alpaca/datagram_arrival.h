// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include <boost/asio/ip/udp.hpp>

#include "alpaca/discovery_scope.h"

/// Datagrams with where they came in, which Asio does not tell: a socket on every address
/// must know which network a datagram came from before it answers.
namespace helio::alpaca {

struct received_datagram {
    std::size_t size = 0;  ///< of the datagram, cut short to the buffer
    boost::asio::ip::udp::endpoint sender;
    arrival where;
};

/// Has `socket` (open, IPv4 or IPv6) report where each datagram arrives. Throws
/// boost::system::system_error if the system cannot.
void report_arrivals(boost::asio::ip::udp::socket& socket);

/// The next datagram waiting on `socket` (without waiting), into `buffer`; none when none
/// waits. One the system reports in error (a reset from an earlier answer's unreachable
/// port, as Windows reports it) is passed over.
std::optional<received_datagram> next_datagram(boost::asio::ip::udp::socket& socket,
                                               std::span<char> buffer);

}  // namespace helio::alpaca
