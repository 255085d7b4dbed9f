// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sequences/message_log.h"
#include "sequences/sequence_context.h"
#include "ttl/observer_list.h"

namespace helio {

/// What a view of the window does for the model: tell the operator of an error, show that
/// a sequence is running, and repaint while the sequence holds the window.
class form_host {
  public:
    virtual ~form_host() = default;
    virtual void show_error(const std::string& message) = 0;
    virtual void sequence_started() {}
    virtual void sequence_finished() {}
    virtual void keep_alive() {}
};

/// Told of every line added to the message log.
class log_observer {
  public:
    virtual ~log_observer() = default;
    virtual void line_logged(const std::string& text) = 0;
};

/// Told when a press ends in an error, with what the operator is shown for it (nothing
/// of it goes to the message log).
class failure_observer {
  public:
    virtual ~failure_observer() = default;
    virtual void press_failed(const std::string& message) = 0;
};

/// The console window without its widgets: the button handlers, the setpoint entry's text
/// (`consigne`) and the message log. Both views drive this one object.
class form1_model final : public message_log, private wait_observer {
  public:
    /// Lines kept for drawing. The log is never scrolled, so lines past this many would
    /// fall far below the window's bottom edge; observers still hear of every line.
    static constexpr std::size_t kept_lines = 10000;

    form1_model(ttl_lines& lines, const clock& time, std::string decimal_separator);
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

    /// A press of the button named `control`: runs its handler to the end, and tells the
    /// operator through the host if it failed. Returns false for a name that is no button
    /// and for a press made while a sequence runs.
    bool press(std::string_view control);
    bool busy() const { return busy_; }

    /// Runs `command` as a press runs its button's handler — the window busy, the host told,
    /// the log and every observer fed — for a caller that reports the outcome itself, as a
    /// remote client's request does: the error comes back, and no message box is shown for
    /// it. Null when the command ended normally. Only when no sequence runs (see when_idle).
    std::exception_ptr run_command(const std::function<void()>& command);

    /// Runs `work` at once when no sequence runs; otherwise as soon as the running sequence,
    /// and all the work deferred before this one, have ended. One instrument, one queue.
    void when_idle(std::function<void()> work);
    std::size_t deferred_work() const { return deferred_.size(); }

    /// While failure observers hear of a failed press: the error that ended it.
    std::exception_ptr current_failure() const { return current_failure_; }

    const std::string& consigne() const { return consigne_; }
    const std::vector<std::string>& lines() const { return lines_; }
    void log_line(const std::string& text) override;

    sequence_context& context() { return context_; }
    void add_log_observer(log_observer& observer) { log_observers_.add(observer); }
    void remove_log_observer(log_observer& observer) { log_observers_.remove(observer); }
    void add_failure_observer(failure_observer& observer) { failure_observers_.add(observer); }
    void remove_failure_observer(failure_observer& observer) {
        failure_observers_.remove(observer);
    }

  private:
    void still_waiting() override;
    std::exception_ptr run_sequence(const std::function<void()>& sequence);
    void run_deferred_work();

    sequence_context context_;
    form_host* host_ = nullptr;
    std::string consigne_;
    std::vector<std::string> lines_;
    observer_list<log_observer> log_observers_;
    observer_list<failure_observer> failure_observers_;
    std::deque<std::function<void()>> deferred_;
    std::exception_ptr current_failure_;
    bool busy_ = false;
    bool running_deferred_ = false;
};

}  // namespace helio
