// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/server_endpoint.h"

#include <charconv>
#include <stdexcept>

namespace helio::alpaca {

namespace {

std::uint16_t port_of(std::string_view text, std::string_view option, std::string_view whole) {
    unsigned port = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, port);
    if (text.empty() || error != std::errc() || stop != end || port > 65535) {
        throw std::invalid_argument(std::string(option) + " " + std::string(whole) +
                                    ": the port is a number from 0 to 65535");
    }
    return static_cast<std::uint16_t>(port);
}

}  // namespace

std::uint16_t parse_port(std::string_view text, std::string_view option) {
    return port_of(text, option, text);
}

server_endpoint parse_endpoint(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos) {
        return {std::string(default_address), parse_port(text, "--alpaca")};
    }
    std::string_view address = text.substr(0, colon);
    if (address.starts_with('[') && address.ends_with(']')) {
        address = address.substr(1, address.size() - 2);
    } else if (address.find(':') != std::string_view::npos) {
        throw std::invalid_argument("--alpaca " + std::string(text) +
                                    ": an IPv6 address goes in brackets, [::1]:11111");
    }
    if (address.empty()) {
        throw std::invalid_argument("--alpaca " + std::string(text) + ": the address is empty");
    }
    return {std::string(address), port_of(text.substr(colon + 1), "--alpaca", text)};
}

std::string endpoint_text(const server_endpoint& endpoint) {
    const bool ipv6 = endpoint.address.find(':') != std::string::npos;
    return (ipv6 ? "[" + endpoint.address + "]" : endpoint.address) + ":" +
           std::to_string(endpoint.port);
}

}  // namespace helio::alpaca
