// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "alpaca/remote_command.h"
#include "alpaca/served_state.h"
#include "alpaca/ui_poster.h"
#include "instrument/instrument.h"

namespace helio::alpaca {

/// The instrument as the remote devices reach it: each action is posted to the instrument's
/// thread, where it joins the queue of presses (one that arrives while a sequence runs waits
/// for it to end) and runs as the button's press runs, with the same bytes on the port and
/// the same lines in the log. A read of the input lines is one read between sequences, or
/// during one the latest read; between sequences, the requests that arrive while a read
/// waits to be made share it, so that however fast clients poll, the console's thread makes
/// one port read at a time for them. It also follows every move of the blades, from a button or
/// from a client, so that the shared state's Position never claims a slot the console does not
/// know.
class console_runner final : public console_link, private event_listener {
  public:
    console_runner(instrument& device, ui_poster& poster, served_state& state);
    ~console_runner() override;

    console_runner(const console_runner&) = delete;
    console_runner& operator=(const console_runner&) = delete;

    void submit(client_request request) override;

  private:
    /// A client held until its action ends, or until its patience runs out.
    struct held_client {
        clock::time_point deadline;
        std::function<void()> overdue;
    };

    bool post(std::function<void()> work);
    void arrived(client_request request);
    void read_for_waiting_clients();
    void abandon(const action& what);
    void release_overdue();
    void on_event(const instrument_event& event) override;

    instrument& device_;
    ui_poster& poster_;
    served_state& state_;
    std::optional<std::int32_t> latest_input_;
    std::vector<std::shared_ptr<held_client>> held_;
    std::mutex readers_mutex_;
    std::vector<client_request> readers_;  ///< waiting for the read posted for them
    bool read_posted_ = false;
    /// A sequence runs: a read is its latest, made at once for each request as its wait's
    /// keep-alive runs the posted work, and sharing one would hold clients a keep-alive more.
    std::atomic<bool> sequence_running_ = false;
    /// Work already posted may reach the instrument's thread after this runner is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace helio::alpaca
