// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/http_server.h"

#include <algorithm>
#include <chrono>
#include <list>
#include <mutex>
#include <optional>
#include <string_view>

#include <boost/asio/ip/v6_only.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

namespace helio::alpaca {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {
class session;
}  // namespace

/// What the connections share with the server: the handler, the limits, the count of the
/// connections not closed yet and those waiting for a request, and the way back to the
/// server's thread for answers that come later. The way back is closed with the server, so
/// that an answer handed in by the console once the server is gone goes nowhere.
struct http_server::shared {
    request_handler handler;
    http_limits limits;
    std::atomic<std::size_t> connections{0};
    /// The connections waiting for a request, the one waiting longest first; touched on the
    /// server's thread only.
    std::list<std::weak_ptr<session>> waiting;
    std::mutex mutex;
    asio::io_context* io;  ///< null once the server is closed

    /// Closes the connection that has waited longest for a request; false if none waits.
    bool close_longest_waiting();

    void deliver(std::function<void()> work) {
        const std::scoped_lock lock(mutex);
        if (io != nullptr) {
            asio::post(*io, std::move(work));
        }
    }
};

namespace {

std::string_view plain(beast::string_view text) {
    return {text.data(), text.size()};
}

http_method method_of(http::verb verb) {
    switch (verb) {
        case http::verb::get:
            return http_method::get;
        case http::verb::put:
            return http_method::put;
        default:
            return http_method::other;
    }
}

/// One client connection: read a request, hand it in, write its answer, and again.
///
/// The time a client is given is kept as a deadline that each step moves, and one timer per
/// connection watches it: the timer is set again only when it fires, at most once per
/// time limit, so a request costs no timer work on the server's thread.
class session final : public std::enable_shared_from_this<session> {
  public:
    session(tcp::socket socket, std::shared_ptr<http_server::shared> shared)
        : socket_(std::move(socket)),
          watchdog_(socket_.get_executor()),
          shared_(std::move(shared)) {
        ++shared_->connections;
    }
    ~session() { close(); }

    void start() {
        expect_within(shared_->limits.request_time);
        watch(deadline_);
        read();
    }

    /// Ends the connection: what is pending on it ends with operation_aborted. It no longer
    /// counts from now on, not from the end of what was pending, so that a burst of new
    /// clients finds the room each closing makes.
    void close() {
        if (open_) {
            open_ = false;
            --shared_->connections;
        }
        stop_waiting();
        beast::error_code ignored;
        watchdog_.cancel();
        socket_.shutdown(tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }

  private:
    using steady = std::chrono::steady_clock;

    void read() {
        parser_.emplace();
        parser_->header_limit(static_cast<std::uint32_t>(shared_->limits.header_bytes));
        parser_->body_limit(shared_->limits.body_bytes);
        expect_within(shared_->limits.request_time);
        waiting_ = shared_->waiting.insert(shared_->waiting.end(), weak_from_this());
        http::async_read(socket_, buffer_, *parser_,
                         [self = shared_from_this()](beast::error_code error, std::size_t) {
                             self->on_read(error);
                         });
    }

    void on_read(beast::error_code error) {
        stop_waiting();
        if (error == http::error::end_of_stream || error == asio::error::operation_aborted ||
            error == asio::error::connection_reset || error == asio::error::eof ||
            !socket_.is_open()) {
            close();
            return;
        }
        if (error) {
            // The HTTP parser refused it: too large, or not HTTP as it should be.
            keep_alive_ = false;
            write(text_reply(400, "Requête HTTP refusée : " + error.message() + "."));
            return;
        }
        const http::request<http::string_body>& message = parser_->get();
        keep_alive_ = message.keep_alive();
        const std::string_view target = plain(message.target());
        const std::size_t question = target.find('?');
        http_request request;
        request.method = method_of(message.method());
        request.path = target.substr(0, question);
        request.query =
            question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
        request.content_type = plain(message[http::field::content_type]);
        request.body = message.body();
        deadline_ = steady::time_point::max();  // the console may take a while: no clock on it
        std::weak_ptr<http_server::shared> way_back = shared_;
        shared_->handler(request, [self = shared_from_this(), way_back](http_reply reply) {
            if (const auto shared = way_back.lock()) {
                shared->deliver(
                    [self, reply = std::move(reply)]() mutable { self->write(std::move(reply)); });
            }
        });
    }

    void write(http_reply reply) {
        response_.emplace(static_cast<http::status>(reply.status), 11);
        response_->set(http::field::server, "heliograph-console");
        response_->set(http::field::content_type, reply.content_type);
        response_->keep_alive(keep_alive_);
        response_->body() = std::move(reply.body);
        response_->prepare_payload();
        expect_within(shared_->limits.answer_time);
        http::async_write(socket_, *response_,
                          [self = shared_from_this()](beast::error_code error, std::size_t) {
                              self->on_write(error);
                          });
    }

    void on_write(beast::error_code error) {
        if (error || !keep_alive_) {
            close();
            return;
        }
        read();
    }

    /// Moves the deadline; the timer is set again only if it would fire too late.
    void expect_within(std::chrono::seconds limit) {
        deadline_ = steady::now() + limit;
        if (deadline_ < watchdog_.expiry()) {
            watch(deadline_);
        }
    }

    void watch(steady::time_point when) {
        watchdog_.expires_at(when);
        watchdog_.async_wait([self = shared_from_this()](beast::error_code error) {
            if (!error) {
                self->on_watchdog();
            }
        });
    }

    void on_watchdog() {
        const steady::time_point now = steady::now();
        if (now >= deadline_) {
            close();  // the pending read or write ends with operation_aborted
            return;
        }
        const auto longest = std::max(shared_->limits.request_time, shared_->limits.answer_time);
        watch(std::min(deadline_, now + longest));
    }

    void stop_waiting() {
        if (waiting_) {
            shared_->waiting.erase(*waiting_);
            waiting_.reset();
        }
    }

    tcp::socket socket_;
    asio::steady_timer watchdog_;
    steady::time_point deadline_{};
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    std::optional<http::response<http::string_body>> response_;
    std::shared_ptr<http_server::shared> shared_;
    bool keep_alive_ = true;
    bool open_ = true;
    std::optional<std::list<std::weak_ptr<session>>::iterator> waiting_;
};

}  // namespace

bool http_server::shared::close_longest_waiting() {
    // A session takes itself off the list as it closes, or ends.
    if (const std::shared_ptr<session> longest =
            waiting.empty() ? nullptr : waiting.front().lock()) {
        longest->close();
        return true;
    }
    return false;
}

http_server::http_server(asio::io_context& io, const tcp::endpoint& endpoint,
                         request_handler handler, http_limits limits)
    : acceptor_(io), shared_(std::make_shared<shared>()) {
    shared_->handler = std::move(handler);
    shared_->limits = limits;
    shared_->io = &io;
    acceptor_.open(endpoint.protocol());
    if (endpoint.address().is_v6() && endpoint.address().is_unspecified()) {
        // Every address is IPv4's too, on Windows as on Linux.
        acceptor_.set_option(asio::ip::v6_only(false));
    }
#ifndef _WIN32
    // Restarting the console must not wait for the last connections' TIME_WAIT. (On
    // Windows the same option would let another program take the port from under us.)
    acceptor_.set_option(asio::socket_base::reuse_address(true));
#endif
    acceptor_.bind(endpoint);
    acceptor_.listen(asio::socket_base::max_listen_connections);
    accept();
}

http_server::~http_server() {
    close();
}

tcp::endpoint http_server::local_endpoint() const {
    return acceptor_.local_endpoint();
}

bool http_server::takes_ipv4() const {
    const asio::ip::address local = acceptor_.local_endpoint().address();
    return local.is_v4() || local.is_unspecified();
}

void http_server::close() {
    const std::scoped_lock lock(shared_->mutex);
    shared_->io = nullptr;
}

void http_server::accept() {
    acceptor_.async_accept([this](beast::error_code error, tcp::socket socket) {
        if (error == asio::error::operation_aborted) {
            return;
        }
        if (!error && (shared_->connections < shared_->limits.connections ||
                       shared_->close_longest_waiting())) {
            socket.set_option(tcp::no_delay(true));
            std::make_shared<session>(std::move(socket), shared_)->start();
        }  // else the socket closes as it goes out of scope
        accept();
    });
}

}  // namespace helio::alpaca
