// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include "alpaca/http_exchange.h"

namespace helio::alpaca {

/// How far a client may go before it is cut off.
struct http_limits {
    std::size_t header_bytes = 8 * 1024;
    std::size_t body_bytes = 16 * 1024;
    /// A request must arrive whole within this time of the connection or of the previous
    /// answer; a client that sends slowly, or never finishes, is disconnected.
    std::chrono::seconds request_time{15};
    std::chrono::seconds answer_time{15};  ///< to take an answer once it is ready
    /// Connections held at once. One more closes the connection that has waited longest
    /// for a request, so that silent clients lock nobody out; it is itself closed only if
    /// every one held is busy with a request.
    std::size_t connections = 128;
};

/// Hands each well-formed request to `handler` (on the server's thread), which answers
/// through the sink, now or later, from any thread.
using request_handler = std::function<void(const http_request&, const reply_sink&)>;

/// The HTTP/1.1 server: Beast over Asio, every connection asynchronous on the one thread
/// that runs `io`, so that a slow or stuck client holds nobody else up. A request the HTTP
/// parser refuses (malformed, too large) gets 400 and the connection is closed.
class http_server {
  public:
    /// Listens on `endpoint` at once; throws boost::system::system_error if it cannot.
    http_server(boost::asio::io_context& io, const boost::asio::ip::tcp::endpoint& endpoint,
                request_handler handler, http_limits limits = {});
    ~http_server();

    http_server(const http_server&) = delete;
    http_server& operator=(const http_server&) = delete;

    boost::asio::ip::tcp::endpoint local_endpoint() const;
    /// Whether IPv4 clients reach it: on an IPv4 address, or on every address (`::` is IPv4's
    /// every address too).
    bool takes_ipv4() const;

    /// Answers handed in after this are dropped; call before `io` stops.
    void close();

    /// What the connections share with the server (defined with them).
    struct shared;

  private:
    void accept();

    boost::asio::ip::tcp::acceptor acceptor_;
    std::shared_ptr<shared> shared_;
};

}  // namespace helio::alpaca
