// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
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

/// Told of every error the operator is shown, with the message: a press that ended in an
/// error, or what the console found wrong with the I/O component outside any press
/// (nothing of it goes to the message log).
class failure_observer {
  public:
    virtual ~failure_observer() = default;
    virtual void error_reported(const std::string& message) = 0;
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

    /// Tells the failure observers of an error found outside any press, such as an I/O
    /// component that the registry shows out of reach at start. The view shows it its way.
    void report_error(const std::string& message);

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

    sequence_context context_;
    form_host* host_ = nullptr;
    std::string consigne_;
    std::vector<std::string> lines_;
    observer_list<log_observer> log_observers_;
    observer_list<failure_observer> failure_observers_;
    bool busy_ = false;
};

}  // namespace helio
