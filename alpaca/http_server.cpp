// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/http_server.h"

#include <mutex>
#include <optional>
#include <string_view>

#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

namespace helio::alpaca {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

/// What the connections share with the server: the handler, the limits, the count of open
/// connections, and the way back to the server's thread for answers that come later. The
/// way back is closed with the server, so that an answer handed in by the console once the
/// server is gone goes nowhere.
struct http_server::shared {
    request_handler handler;
    http_limits limits;
    std::atomic<std::size_t> connections{0};
    std::mutex mutex;
    asio::io_context* io;  ///< null once the server is closed

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
class session final : public std::enable_shared_from_this<session> {
  public:
    session(tcp::socket socket, std::shared_ptr<http_server::shared> shared)
        : stream_(std::move(socket)), shared_(std::move(shared)) {
        ++shared_->connections;
    }
    ~session() { --shared_->connections; }

    void start() { read(); }

  private:
    void read() {
        parser_.emplace();
        parser_->header_limit(static_cast<std::uint32_t>(shared_->limits.header_bytes));
        parser_->body_limit(shared_->limits.body_bytes);
        stream_.expires_after(shared_->limits.request_time);
        http::async_read(stream_, buffer_, *parser_,
                         [self = shared_from_this()](beast::error_code error, std::size_t) {
                             self->on_read(error);
                         });
    }

    void on_read(beast::error_code error) {
        if (error == http::error::end_of_stream || error == beast::error::timeout ||
            error == asio::error::operation_aborted || error == asio::error::connection_reset ||
            error == asio::error::eof) {
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
        stream_.expires_never();  // the console may take a while: no clock on it
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
        stream_.expires_after(shared_->limits.answer_time);
        http::async_write(stream_, *response_,
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

    void close() {
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
        stream_.close();
    }

    beast::tcp_stream stream_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    std::optional<http::response<http::string_body>> response_;
    std::shared_ptr<http_server::shared> shared_;
    bool keep_alive_ = true;
};

}  // namespace

http_server::http_server(asio::io_context& io, const tcp::endpoint& endpoint,
                         request_handler handler, http_limits limits)
    : acceptor_(io), shared_(std::make_shared<shared>()) {
    shared_->handler = std::move(handler);
    shared_->limits = limits;
    shared_->io = &io;
    acceptor_.open(endpoint.protocol());
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

void http_server::close() {
    const std::scoped_lock lock(shared_->mutex);
    shared_->io = nullptr;
}

void http_server::accept() {
    acceptor_.async_accept([this](beast::error_code error, tcp::socket socket) {
        if (error == asio::error::operation_aborted) {
            return;
        }
        if (!error) {
            if (shared_->connections < shared_->limits.connections) {
                socket.set_option(tcp::no_delay(true));
                std::make_shared<session>(std::move(socket), shared_)->start();
            }  // else the socket closes as it goes out of scope
        }
        accept();
    });
}

}  // namespace helio::alpaca
