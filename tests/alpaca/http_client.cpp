// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "http_client.h"

#include <boost/asio/connect.hpp>
#include <boost/beast/http.hpp>

namespace helio::test {

namespace asio = boost::asio;
namespace http = boost::beast::http;

http_client::http_client(const std::string& address, std::uint16_t port) {
    socket_.connect({asio::ip::make_address(address), port});
    socket_.set_option(asio::ip::tcp::no_delay(true));
}

http_client::reply http_client::exchange(bool put, std::string_view target, std::string_view form) {
    http::request<http::string_body> request(put ? http::verb::put : http::verb::get,
                                             std::string(target), 11);
    request.set(http::field::host, "heliographe");
    if (put) {
        request.set(http::field::content_type, "application/x-www-form-urlencoded");
        request.body() = std::string(form);
    }
    request.prepare_payload();
    http::write(socket_, request);
    http::response<http::string_body> response;
    http::read(socket_, buffer_, response);
    return {static_cast<int>(response.result_int()), response.body()};
}

}  // namespace helio::test
