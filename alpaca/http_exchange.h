// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

/// One HTTP request and its answer, as the request mapping sees them: no sockets, no HTTP
/// library, so that it can be tested and fuzzed on its own.
namespace helio::alpaca {

enum class http_method { get, put, other };

struct http_request {
    http_method method = http_method::get;
    std::string_view path;          ///< the target up to '?', as sent (not decoded)
    std::string_view query;         ///< after '?', as sent
    std::string_view content_type;  ///< the Content-Type header, empty if none
    std::string_view body;
};

struct http_reply {
    int status = 200;
    std::string content_type;
    std::string body;
};

namespace content_types {
inline constexpr std::string_view json = "application/json; charset=utf-8";
inline constexpr std::string_view text = "text/plain; charset=utf-8";
inline constexpr std::string_view html = "text/html; charset=utf-8";
}  // namespace content_types

/// Where the answer to one request goes: called exactly once, from whichever thread has it.
using reply_sink = std::function<void(http_reply)>;

/// A 400 (the request could not be understood) or another status with a plain-text reason.
inline http_reply text_reply(int status, std::string reason) {
    return {status, std::string(content_types::text), std::move(reason)};
}

}  // namespace helio::alpaca
