// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The server's bounds: with a one-second request limit, a client that never finishes its
// request is cut off once the limit has passed and holds nobody up, while a request the
// console takes longer than that over is still answered, on the same connection; and
// clients that connect and stay silent lock no new client out.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>

#include "alpaca/http_server.h"
#include "http_client.h"

namespace helio::alpaca {
namespace {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using std::chrono::milliseconds;
using steady = std::chrono::steady_clock;

constexpr http_limits one_second{.request_time = std::chrono::seconds(1),
                                 .answer_time = std::chrono::seconds(1)};

/// A server on the loopback, with the limits a test gives, whose handler answers "slow"
/// after 1.5 s from another thread, as the console answers a move, and everything else at
/// once.
class HttpServerTest : public ::testing::Test {
  protected:
    HttpServerTest() : thread_([this] { io_.run(); }) {}

    ~HttpServerTest() override {
        server_->close();
        work_.reset();
        io_.stop();
        thread_.join();
        for (std::thread& late : late_answers_) {
            late.join();
        }
    }

    void serve(http_limits limits) {
        server_.emplace(
            io_, tcp::endpoint{asio::ip::make_address("127.0.0.1"), 0},
            [this](const http_request& request, const reply_sink& sink) {
                if (request.path != "/slow") {
                    sink({200, "text/plain", std::string(request.path)});
                    return;
                }
                late_answers_.emplace_back([sink] {
                    std::this_thread::sleep_for(milliseconds(1500));
                    sink({200, "text/plain", "late"});
                });
            },
            limits);
    }

    std::uint16_t port() const { return server_->local_endpoint().port(); }

  private:
    asio::io_context io_;
    asio::executor_work_guard<asio::io_context::executor_type> work_ = asio::make_work_guard(io_);
    std::vector<std::thread> late_answers_;
    std::optional<http_server> server_;
    std::thread thread_;
};

TEST_F(HttpServerTest, AHalfSentRequestIsCutAfterTheLimitWithoutHoldingOthersUp) {
    serve(one_second);
    asio::io_context client_io;
    tcp::socket half(client_io);
    half.connect({asio::ip::make_address("127.0.0.1"), port()});
    asio::write(half, asio::buffer(std::string_view("GET /never HTTP/1.1\r\nHost: x\r\n")));
    const steady::time_point sent = steady::now();

    test::http_client other("127.0.0.1", port());
    EXPECT_EQ(other.get("/now").body, "/now");
    EXPECT_LT(steady::now() - sent, milliseconds(500)) << "the others are answered at once";

    char byte = 0;
    boost::system::error_code error;
    EXPECT_EQ(asio::read(half, asio::buffer(&byte, 1), error), 0U);
    const auto held = steady::now() - sent;
    EXPECT_GE(held, milliseconds(900)) << "cut before its time";
    EXPECT_LT(held, milliseconds(3000)) << "never cut";
}

TEST_F(HttpServerTest, AnAnswerTheConsoleTakesLongerOverThanTheLimitStillGoesOut) {
    serve(one_second);
    test::http_client client("127.0.0.1", port());
    EXPECT_EQ(client.get("/slow").body, "late");
    EXPECT_EQ(client.get("/again").body, "/again") << "the connection is still open";
    std::this_thread::sleep_for(milliseconds(1500));
    EXPECT_THROW(client.get("/idle"), boost::system::system_error)
        << "an idle connection is closed after the request limit";
}

TEST_F(HttpServerTest, SilentClientsLockNoNewClientOutTheLongestSilentMakesRoom) {
    serve({});  // the console's own limits
    asio::io_context client_io;
    std::vector<tcp::socket> silent;
    for (int i = 0; i < 200; ++i) {
        silent.emplace_back(client_io).connect({asio::ip::make_address("127.0.0.1"), port()});
    }
    test::http_client newcomer("127.0.0.1", port());
    EXPECT_EQ(newcomer.get("/now").body, "/now") << "answered, however many are silent";

    // The server closed the first ones as it took the later ones, before the newcomer.
    boost::system::error_code first_ended;
    char byte = 0;
    silent.front().async_read_some(
        asio::buffer(&byte, 1),
        [&](boost::system::error_code error, std::size_t) { first_ended = error; });
    client_io.run_for(std::chrono::seconds(5));
    EXPECT_EQ(first_ended, asio::error::eof) << "the one silent longest is closed";
    asio::write(silent.back(),
                asio::buffer(std::string_view("GET /last HTTP/1.1\r\nHost: x\r\n\r\n")));
    std::string answer(12, '\0');
    asio::read(silent.back(), asio::buffer(answer));
    EXPECT_EQ(answer, "HTTP/1.1 200") << "the one silent the shortest is still held";
}

}  // namespace
}  // namespace helio::alpaca
