// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/discovery_responder.h"

#include <memory>
#include <string_view>

namespace helio::alpaca {

namespace asio = boost::asio;
using udp = asio::ip::udp;

namespace {

constexpr std::string_view discovery_message = "alpacadiscovery1";

}  // namespace

discovery_responder::discovery_responder(asio::io_context& io, const asio::ip::address& address,
                                         std::uint16_t alpaca_port, std::uint16_t port)
    : socket_(io), answer_("{\"AlpacaPort\": " + std::to_string(alpaca_port) + "}") {
    const udp::endpoint endpoint(address, port);
    socket_.open(endpoint.protocol());
    // Other Alpaca servers on this computer listen on the discovery port too.
    socket_.set_option(asio::socket_base::reuse_address(true));
    socket_.bind(endpoint);
    receive();
}

void discovery_responder::receive() {
    socket_.async_receive_from(asio::buffer(datagram_), sender_,
                               [this](boost::system::error_code error, std::size_t size) {
                                   if (error == asio::error::operation_aborted) {
                                       return;
                                   }
                                   // A datagram longer than the buffer comes cut short (or as an
                                   // error on Windows): it is no discovery message either way.
                                   const std::string_view text(datagram_.data(), error ? 0 : size);
                                   if (text.find(discovery_message) != std::string_view::npos) {
                                       auto to = std::make_shared<udp::endpoint>(sender_);
                                       socket_.async_send_to(
                                           asio::buffer(answer_), *to,
                                           [to](boost::system::error_code, std::size_t) {});
                                   }
                                   receive();
                               });
}

}  // namespace helio::alpaca
