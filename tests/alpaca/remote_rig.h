// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "alpaca/console_runner.h"
#include "alpaca/request_router.h"
#include "alpaca/served_state.h"
#include "alpaca/ui_poster.h"
#include "support/simulated_console.h"

namespace helio::test {

/// Stands in for the event loop of the console's thread: posted work waits here until the
/// test (playing the loop, or a sequence's keep-alive) runs it.
class queued_poster final : public alpaca::ui_poster {
  public:
    bool post(std::function<void()> work) override {
        queue_.push_back(std::move(work));
        return true;
    }

    /// Runs what has been posted so far, and what that posts in turn; how many ran.
    int run_posted() {
        int ran = 0;
        for (; !queue_.empty(); ++ran) {
            const std::function<void()> work = std::move(queue_.front());
            queue_.pop_front();
            work();
        }
        return ran;
    }

  private:
    std::deque<std::function<void()>> queue_;
};

/// The console on the simulated heliograph, on simulated time, with its Alpaca devices
/// served without sockets: requests go straight to the router, and the console's thread is
/// the test's, which runs the posted work in each keep-alive of a wait, as the event loop
/// does, or when the test says so. The log's lines are in `host.lines`.
struct remote_rig : simulated_console {
    remote_rig()
        : simulated_console(make_sim()
                                .step(std::chrono::microseconds(50))
                                .decimal_separator(".")
                                .record_reads()) {
        host.in_keep_alive = [this] {
            if (auto once = std::exchange(on_keep_alive, nullptr)) {
                once();
            }
            poster.run_posted();
        };
    }

    /// Sends a request; its reply, if it came at once.
    std::optional<alpaca::http_reply> send(alpaca::http_method method, std::string_view target,
                                           std::string_view body = {}) {
        const std::size_t question = target.find('?');
        alpaca::http_request request;
        request.method = method;
        request.path = target.substr(0, question);
        request.query =
            question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
        request.content_type = "application/x-www-form-urlencoded";
        request.body = body;
        // The reply may come long after this call, when the console has run the command.
        auto reply = std::make_shared<std::optional<alpaca::http_reply>>();
        router.handle(request, [reply](alpaca::http_reply answer) { *reply = std::move(answer); });
        pending_ = reply;
        return *reply;
    }

    /// Sends a request and plays the console's event loop until the reply comes.
    alpaca::http_reply exchange(alpaca::http_method method, std::string_view target,
                                std::string_view body = {}) {
        send(method, target, body);
        const auto reply = pending_;
        while (!*reply && poster.run_posted() > 0) {
        }
        if (!*reply) {
            throw std::logic_error("no answer to " + std::string(target));
        }
        return std::move(**reply);
    }

    /// The JSON of a GET or PUT answered with HTTP 200.
    nlohmann::json get(std::string_view target) {
        return json_of(target, exchange(alpaca::http_method::get, target));
    }
    nlohmann::json put(std::string_view target, std::string_view body) {
        return json_of(target, exchange(alpaca::http_method::put, target, body));
    }
    static nlohmann::json json_of(std::string_view target, const alpaca::http_reply& reply) {
        if (reply.status != 200) {
            throw std::logic_error(std::string(target) + ": HTTP " + std::to_string(reply.status));
        }
        return nlohmann::json::parse(reply.body);
    }

    std::function<void()> on_keep_alive;  ///< once, in the next keep-alive
    queued_poster poster;
    alpaca::served_state state;
    alpaca::console_runner runner{device, poster, state};
    alpaca::request_router router{state, runner, "banc d'essai", {"machine d'essai", true}};
    /// The reply to the last request sent, once it comes.
    std::shared_ptr<std::optional<alpaca::http_reply>> pending_;
};

}  // namespace helio::test
