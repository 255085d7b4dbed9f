// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "alpaca/device_state.h"
#include "alpaca/remote_command.h"
#include "alpaca/ui_poster.h"
#include "console/form1_model.h"
#include "ttl/port_access.h"

namespace helio::alpaca {

/// Told of each command a client has the console run, as it starts and as it ends, on the
/// console's thread (the maintainer's transcript lists them).
class remote_command_observer {
  public:
    virtual ~remote_command_observer() = default;
    virtual void remote_command_started(const remote_command& /*command*/) {}
    virtual void remote_command_ended(const remote_command& /*command*/,
                                      const command_outcome& /*outcome*/) {}
};

/// The console as the remote devices reach it: each command is posted to the console's
/// thread, where it joins the queue of presses (a command that arrives while a sequence
/// runs waits for it to end) and runs as the button's press runs, with the same bytes on
/// the port and the same lines in the log. A read of the input lines is one read between
/// sequences, or during one the latest read.
class console_runner final : public console_link, private port_observer, private log_observer {
  public:
    console_runner(form1_model& model, ui_poster& poster, device_state& state);
    ~console_runner() override;

    console_runner(const console_runner&) = delete;
    console_runner& operator=(const console_runner&) = delete;

    void submit(remote_command command, std::function<void(command_outcome)> done) override;

    void add_observer(remote_command_observer& observer) { observers_.add(observer); }
    void remove_observer(remote_command_observer& observer) { observers_.remove(observer); }

  private:
    using completion = std::function<void(command_outcome)>;

    void arrived(const remote_command& command, const completion& done);
    void read_inputs(const completion& done);
    /// The command as the console's queue runs it, reporting to `done` either way.
    instrument_command queued(const remote_command& command, const completion& done);
    std::function<void()> sequence_of(const remote_command& command);
    void abandon(const remote_command& command);

    void input_read(std::int32_t input_byte) override { latest_input_ = input_byte; }
    void line_logged(const std::string& text) override;

    form1_model& model_;
    ui_poster& poster_;
    device_state& state_;
    observer_list<remote_command_observer> observers_;
    std::optional<std::int32_t> latest_input_;
    bool refused_ = false;  ///< the running command's sequence declined to act
    /// Work already posted may reach the console's thread after this runner is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace helio::alpaca
