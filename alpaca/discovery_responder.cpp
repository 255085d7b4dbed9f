// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/discovery_responder.h"

#include <set>
#include <string_view>

#include <boost/asio/detail/socket_option.hpp>
#include <boost/asio/ip/multicast.hpp>
#include <boost/asio/ip/v6_only.hpp>

namespace helio::alpaca {

namespace asio = boost::asio;
namespace ip = asio::ip;
using udp = ip::udp;

namespace {

constexpr std::string_view discovery_message = "alpacadiscovery1";
// ff12::a1:9aca, from its bytes: parsing the text would call Windows sockets before main,
// which the console starts only with its Alpaca device.
const ip::address_v6 multicast_group(ip::address_v6::bytes_type{0xff, 0x12, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                0, 0, 0x00, 0xa1, 0x9a, 0xca});

/// The interfaces whose clients can reach `server`, where the group is joined.
std::set<unsigned> interfaces_reaching(const ip::address& server) {
    const std::vector<interface_address> interfaces = interface_addresses();
    std::set<unsigned> reaching;
    for (const interface_address& address : interfaces) {
        if (address.address.is_v6() &&
            reaches_server(server, {multicast_group, address.index}, interfaces)) {
            reaching.insert(address.index);
        }
    }
    return reaching;
}

}  // namespace

/// One family's discovery socket, on every address, and the one its answers leave from.
class discovery_responder::listener {
  public:
    listener(asio::io_context& io, udp protocol, std::uint16_t port, const ip::address& server,
             const std::string& answer)
        : socket_(io, protocol), server_(server), answer_(answer) {
        // Other Alpaca servers on this computer listen on the discovery port too.
        socket_.set_option(asio::socket_base::reuse_address(true));
#ifndef _WIN32
        socket_.set_option(asio::detail::socket_option::boolean<SOL_SOCKET, SO_REUSEPORT>(true));
#endif
        if (protocol == udp::v6()) {
            socket_.set_option(ip::v6_only(true));  // IPv4 has a socket of its own
        }
        socket_.bind({protocol == udp::v4() ? ip::address(ip::address_v4::any())
                                            : ip::address(ip::address_v6::any()),
                      port});
        report_arrivals(socket_);
        if (protocol == udp::v6()) {
            for (const unsigned index : interfaces_reaching(server)) {
                boost::system::error_code unable;  // an interface without multicast
                socket_.set_option(ip::multicast::join_group(multicast_group, index), unable);
            }
        }
        // The client takes the answer's source for the server's address.
        if (!server.is_unspecified()) {
            reply_.emplace(io, udp::endpoint(server, 0));
        }
        receive();
    }

  private:
    void receive() {
        socket_.async_wait(udp::socket::wait_read, [this](boost::system::error_code error) {
            if (error) {
                return;  // closed
            }
            // A flood of datagrams waits its turn behind the HTTP clients.
            for (int taken = 0; taken < 64; ++taken) {
                const std::optional<received_datagram> datagram = next_datagram(socket_, datagram_);
                if (!datagram) {
                    break;
                }
                answer(*datagram);
            }
            receive();
        });
    }

    void answer(const received_datagram& datagram) {
        const std::string_view text(datagram_.data(), datagram.size);
        if (text.find(discovery_message) == std::string_view::npos ||
            !reaches_server(server_, datagram.where,
                            server_.is_unspecified() ? std::vector<interface_address>()
                                                     : interface_addresses())) {
            return;
        }
        boost::system::error_code unsent;  // the client is gone: nobody to tell
        (reply_ ? *reply_ : socket_).send_to(asio::buffer(answer_), datagram.sender, 0, unsent);
    }

    udp::socket socket_;
    std::optional<udp::socket> reply_;
    ip::address server_;
    const std::string& answer_;
    std::array<char, 512> datagram_{};
};

discovery_responder::discovery_responder(asio::io_context& io, const ip::address& server,
                                         bool server_takes_ipv4, std::uint16_t alpaca_port,
                                         std::uint16_t port)
    : answer_("{\"AlpacaPort\": " + std::to_string(alpaca_port) + "}") {
    if (server_takes_ipv4) {
        // A server on IPv6's every address takes IPv4 on IPv4's every address.
        const ip::address v4 = server.is_v4() ? server : ip::address(ip::address_v4::any());
        listeners_.push_back(std::make_unique<listener>(io, udp::v4(), port, v4, answer_));
    }
    if (server.is_v6()) {
        listeners_.push_back(std::make_unique<listener>(io, udp::v6(), port, server, answer_));
    }
}

discovery_responder::~discovery_responder() = default;

}  // namespace helio::alpaca
