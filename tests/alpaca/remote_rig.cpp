// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "remote_rig.h"

#include <stdexcept>

namespace helio::test {

namespace {

alpaca::http_request request_for(alpaca::http_method method, std::string_view target,
                                 std::string_view body) {
    const std::size_t question = target.find('?');
    alpaca::http_request request;
    request.method = method;
    request.path = target.substr(0, question);
    request.query =
        question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
    request.content_type = "application/x-www-form-urlencoded";
    request.body = body;
    return request;
}

nlohmann::json json_of(std::string_view target, const alpaca::http_reply& reply) {
    if (reply.status != 200) {
        throw std::logic_error(std::string(target) + ": HTTP " + std::to_string(reply.status));
    }
    return nlohmann::json::parse(reply.body);
}

}  // namespace

std::optional<alpaca::http_reply> remote_rig::send(alpaca::http_method method,
                                                   std::string_view target, std::string_view body) {
    // The reply may come long after this call, when the console has run the command.
    auto reply = std::make_shared<std::optional<alpaca::http_reply>>();
    router.handle(request_for(method, target, body),
                  [reply](alpaca::http_reply answer) { *reply = std::move(answer); });
    pending_ = reply;
    return *reply;
}

alpaca::http_reply remote_rig::exchange(alpaca::http_method method, std::string_view target,
                                        std::string_view body) {
    send(method, target, body);
    const auto reply = pending_;
    while (!*reply && poster.run_posted() > 0) {
    }
    if (!*reply) {
        throw std::logic_error("no answer to " + std::string(target));
    }
    return std::move(**reply);
}

nlohmann::json remote_rig::get(std::string_view target) {
    return json_of(target, exchange(alpaca::http_method::get, target));
}

nlohmann::json remote_rig::put(std::string_view target, std::string_view body) {
    return json_of(target, exchange(alpaca::http_method::put, target, body));
}

}  // namespace helio::test
