// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "console/watched_console.h"
#include "console/work_queue.h"
#include "sequences/message_log.h"
#include "sequences/sequence_context.h"
#include "ttl/observer_list.h"
#include "ttl/text_to_integer.h"

namespace helio {

namespace layout {
struct control_spec;
}

/// What a view of the window does for the model: tell the operator of an error, show that
/// a sequence is running, repaint while the sequence holds the window, and close the window
/// once the work under way when the operator asked to close it is done.
class form_host {
  public:
    virtual ~form_host() = default;
    virtual void show_error(const std::string& message) = 0;
    /// A sequence started (true) or ended (false): the busy cursor, or the usual one.
    virtual void show_busy(bool /*busy*/) {}
    virtual void keep_alive() {}
    virtual void close_window() {}
};

/// Told as each command of the instrument's queue starts and ends (a press: its control's
/// name), failed or not.
class command_observer {
  public:
    virtual ~command_observer() = default;
    virtual void command_started(const std::string& /*label*/) {}
    virtual void command_ended(const std::string& /*label*/) {}
};

/// The console window without its widgets: the button handlers, the setpoint entry's text
/// (`consigne`), the message log and the queue of work for the instrument. Both views
/// drive this one object.
class form1_model final : public message_log,
                          public watched_console,
                          private wait_observer,
                          private port_observer {
  public:
    /// Lines kept for drawing, the newest; observers hear of every line.
    static constexpr std::size_t kept_messages = 10000;

    /// The arrival messages use `decimal_separator`. GO reads the entry with `numbers`, the
    /// platform's own conversion; without one, with text_to_int32 in a format that has that
    /// separator and neither thousands separator nor currency symbol.
    form1_model(port_access& port, const clock& time, std::string decimal_separator,
                std::unique_ptr<const text_to_integer> numbers = nullptr);
    ~form1_model() override;

    form1_model(const form1_model&) = delete;
    form1_model& operator=(const form1_model&) = delete;

    void set_host(form_host* host) { host_ = host; }

    // The handlers, one call each. They raise whatever their sequence raises.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Text1_Change(std::string_view text);

    /// A press of the button of the control table's row `row`: submits its handler,
    /// labelled with the row's name. A row that is no button does nothing.
    void press(const layout::control_spec& row);
    /// A press of the button named `control`, for callers that name it rather than hold its
    /// row; false for a name that is no button.
    bool press(std::string_view control);

    /// The operator asks to close the window: true if it may close now. While work runs or
    /// waits, closing would cut a sequence in half: false, and the host's close_window() is
    /// called once all of it is done.
    bool may_close();

    /// Runs `command` as a button's handler runs: the host is told the sequence started and
    /// ended, and an error it raises is shown to the operator (after the lines are released
    /// if it left a strobe raised). While a command runs, what is submitted waits its turn
    /// (work_queue). UI thread only.
    void submit(instrument_command command);

    /// A command's sequence is running: the port is in use.
    bool busy() const override { return busy_; }
    /// A command is running or waits to, or the operator is being told how one failed.
    bool working() const { return queue_.working(); }

    /// Tells the failure observers of an error found outside any press, such as an I/O
    /// component that the registry shows out of reach at start. The view shows it its way.
    void report_error(const std::string& message);

    /// While failure observers hear of a failed command: the error that stopped it.
    std::exception_ptr current_failure() const { return current_failure_; }

    const std::string& consigne() const { return consigne_; }
    const std::deque<std::string>& messages() const { return messages_; }
    void log_line(const std::string& text) override;

    sequence_context& context() override { return context_; }
    void add_log_observer(log_observer& observer) override { log_observers_.add(observer); }
    void remove_log_observer(log_observer& observer) override { log_observers_.remove(observer); }
    void add_failure_observer(failure_observer& observer) override {
        failure_observers_.add(observer);
    }
    void remove_failure_observer(failure_observer& observer) override {
        failure_observers_.remove(observer);
    }
    void add_command_observer(command_observer& observer) { command_observers_.add(observer); }
    void remove_command_observer(command_observer& observer) {
        command_observers_.remove(observer);
    }

  private:
    void run_command(const instrument_command& command);
    std::string release_lines();
    void still_waiting() override;
    void output_written(std::int32_t value) override { last_output_ = value; }

    sequence_context context_;
    std::unique_ptr<const text_to_integer> numbers_;
    form_host* host_ = nullptr;
    std::string consigne_;
    std::deque<std::string> messages_;
    observer_list<log_observer> log_observers_;
    observer_list<failure_observer> failure_observers_;
    observer_list<command_observer> command_observers_;
    work_queue queue_{[this](const instrument_command& command) { run_command(command); }};
    std::int32_t last_output_ = 0;  ///< the last byte a write put on the lines
    std::exception_ptr current_failure_;
    bool busy_ = false;
    bool close_pending_ = false;  ///< the operator asked to close while work was under way
};

}  // namespace helio
