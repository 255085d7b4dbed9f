// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "alpaca/remote_command.h"
#include "alpaca/served_state.h"
#include "alpaca/ui_poster.h"
#include "instrument/instrument.h"

namespace helio::alpaca {

/// The instrument as the remote devices reach it: each action is posted to the instrument's
/// thread, where it joins the queue of presses (one that arrives while a sequence runs waits
/// for it to end) and runs as the button's press runs, with the same bytes on the port and
/// the same lines in the log. A read of the input lines is one read between sequences, or
/// during one the latest read. It also follows every move of the blades, from a button or
/// from a client, so that the shared state's Position never claims a slot the console does
/// not know.
class console_runner final : public console_link, private event_listener {
  public:
    console_runner(instrument& device, ui_poster& poster, served_state& state);
    ~console_runner() override;

    console_runner(const console_runner&) = delete;
    console_runner& operator=(const console_runner&) = delete;

    void submit(action what, std::function<void(command_outcome)> done) override;

  private:
    using completion = std::function<void(command_outcome)>;

    void arrived(action what, const completion& done);
    void read_inputs(const completion& done);
    void abandon(const action& what);
    void on_event(const instrument_event& event) override;

    instrument& device_;
    ui_poster& poster_;
    served_state& state_;
    std::optional<std::int32_t> latest_input_;
    /// Work already posted may reach the instrument's thread after this runner is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace helio::alpaca
