// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "alpaca/blade_tracker.h"
#include "alpaca/console_runner.h"
#include "alpaca/device_state.h"
#include "alpaca/request_router.h"
#include "console/form1_model.h"
#include "queued_poster.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "support/recorders.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio::test {

/// Stands in for Form1: counts what the operator would have seen, and in each keep-alive
/// of a wait runs what was posted meanwhile, as the event loop does.
class pumping_host final : public form_host {
  public:
    explicit pumping_host(queued_poster& poster) : poster_(poster) {}

    void show_error(const std::string& message) override { errors.push_back(message); }
    void keep_alive() override {
        if (on_keep_alive) {
            on_keep_alive();
            on_keep_alive = nullptr;
        }
        poster_.run_posted();
    }

    std::vector<std::string> errors;
    std::function<void()> on_keep_alive;  ///< once, in the next keep-alive

  private:
    queued_poster& poster_;
};

/// The console on the simulated heliograph, on simulated time, with its Alpaca devices
/// served without sockets: requests go straight to the router, and the console's thread is
/// the test's, which runs the posted work when the test says so.
struct remote_rig {
    explicit remote_rig(clock::duration step = std::chrono::microseconds(50)) : time(step) {
        model.set_host(&host);
        port.add_observer(ports);
        model.add_log_observer(log);
    }

    /// Sends a request; its reply, if it came at once.
    std::optional<alpaca::http_reply> send(alpaca::http_method method, std::string_view target,
                                           std::string_view body = {});
    /// Sends a request and plays the console's event loop until the reply comes.
    alpaca::http_reply exchange(alpaca::http_method method, std::string_view target,
                                std::string_view body = {});
    /// The JSON of a GET or PUT answered with HTTP 200.
    nlohmann::json get(std::string_view target);
    nlohmann::json put(std::string_view target, std::string_view body);
    void connect_both();

    manual_clock time;
    sim::heliograph_controller controller{time};
    sim::simulated_component_factory factory{controller};
    port_access port{factory};
    form1_model model{port, time, "."};
    queued_poster poster;
    pumping_host host{poster};
    port_recorder ports{true};
    line_recorder log;
    alpaca::device_state state;
    alpaca::blade_tracker tracker{model, state};
    alpaca::console_runner runner{model, poster, state};
    alpaca::request_router router{state, runner, "banc d'essai"};
    /// The reply to the last request sent, once it comes.
    std::shared_ptr<std::optional<alpaca::http_reply>> pending_;
};

}  // namespace helio::test
