// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>

namespace helio::test {

/// A client of the console's Alpaca server over one kept-alive HTTP connection, blocking,
/// as observatory software talks to a device.
class http_client {
  public:
    struct reply {
        int status = 0;
        std::string body;
    };

    http_client(const std::string& address, std::uint16_t port);

    reply get(std::string_view target) { return exchange(false, target, {}); }
    /// A PUT with `form` as its application/x-www-form-urlencoded body.
    reply put(std::string_view target, std::string_view form) {
        return exchange(true, target, form);
    }

  private:
    reply exchange(bool put, std::string_view target, std::string_view form);

    boost::asio::io_context io_;
    boost::asio::ip::tcp::socket socket_{io_};
    boost::beast::flat_buffer buffer_;
};

}  // namespace helio::test
