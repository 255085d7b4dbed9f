// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace helio::alpaca {

/// Where the server listens: an IP address and a TCP port (0: one the system picks).
struct server_endpoint {
    std::string address;
    std::uint16_t port = 0;
};

/// The loopback only, unless an address is given: Alpaca has no authentication.
inline constexpr std::string_view default_address = "127.0.0.1";

/// The UDP port of Alpaca discovery, unless the maintainer gives another.
inline constexpr std::uint16_t default_discovery_port = 32227;

/// Reads "PORT", "ADDRESS:PORT" or "[IPV6]:PORT". Throws std::invalid_argument with a
/// message for the maintainer when it is none of these. The address itself is checked when
/// the server opens it.
server_endpoint parse_endpoint(std::string_view text);

/// Reads the PORT of `option` ("--alpaca-discovery"), 0 to 65535. Throws
/// std::invalid_argument with a message for the maintainer when it is not one.
std::uint16_t parse_port(std::string_view text, std::string_view option);

/// "127.0.0.1:11111", "[::1]:11111".
std::string endpoint_text(const server_endpoint& endpoint);

}  // namespace helio::alpaca
