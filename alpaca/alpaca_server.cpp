// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/alpaca_server.h"

#include <stdexcept>

#include <boost/asio/ip/host_name.hpp>
#include <boost/system/system_error.hpp>

namespace helio::alpaca {

namespace asio = boost::asio;

alpaca_server::alpaca_server(const server_endpoint& endpoint, std::uint16_t discovery_port,
                             request_handler handler) {
    asio::ip::address address;
    try {
        address = asio::ip::make_address(endpoint.address);
        http_.emplace(io_, asio::ip::tcp::endpoint(address, endpoint.port), std::move(handler));
    } catch (const boost::system::system_error& error) {
        throw std::runtime_error("cannot serve Alpaca on " + endpoint_text(endpoint) + ": " +
                                 error.code().message());
    }
    listening_ = {endpoint.address, http_->local_endpoint().port()};
    try {
        if (discovery_port != 0) {
            discovery_.emplace(io_, address, http_->takes_ipv4(), listening_.port, discovery_port);
        }
    } catch (const boost::system::system_error& error) {
        discovery_problem_ = "discovery (UDP " + std::to_string(discovery_port) +
                             ") unavailable: " + error.code().message();
    }
    thread_ = std::thread([this] { io_.run(); });
}

alpaca_server::~alpaca_server() {
    http_->close();
    io_.stop();
    thread_.join();
}

std::string computer_name() {
    boost::system::error_code error;
    std::string name = asio::ip::host_name(error);
    return error ? std::string() : name;
}

}  // namespace helio::alpaca
