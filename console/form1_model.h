// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "instrument/instrument.h"
#include "ttl/instrument_event.h"

namespace helio {

namespace layout {
struct control_spec;
}

/// What a view of the window does for the model: tell the operator of an error, show that
/// a sequence is running, repaint while the sequence holds the window, draw a new line of
/// the message log, and close the window once the work under way when the operator asked to
/// close it is done.
class form_host {
  public:
    virtual ~form_host() = default;
    virtual void show_error(const std::string& message) = 0;
    /// A sequence started (true) or ended (false): the busy cursor, or the usual one.
    virtual void show_busy(bool /*busy*/) {}
    virtual void keep_alive() {}
    virtual void close_window() {}
    /// A line was added to the message log: it is the last of messages().
    virtual void line_logged(const std::string& /*text*/) {}
};

/// The console window without its widgets: the setpoint entry's text (`consigne`), the
/// message log as drawn, and the button handlers, each of which submits its row's action to
/// the instrument. Both views drive this one object.
class form1_model final : private event_listener {
  public:
    /// Lines kept for drawing, the newest.
    static constexpr std::size_t kept_messages = 10000;

    explicit form1_model(instrument& device);
    ~form1_model() override;

    form1_model(const form1_model&) = delete;
    form1_model& operator=(const form1_model&) = delete;

    void set_host(form_host* host) { host_ = host; }

    // The handlers: each submits its button's action.
    void Command1_Click() { press("Command1"); }
    void Command2_Click() { press("Command2"); }
    void Command3_Click() { press("Command3"); }
    void Command4_Click() { press("Command4"); }
    void Command5_Click() { press("Command5"); }
    void Command6_Click() { press("Command6"); }
    void Command7_Click() { press("Command7"); }
    void Command8_Click() { press("Command8"); }
    void Command9_Click() { press("Command9"); }
    void Command10_Click() { press("Command10"); }
    void Text1_Change(std::string_view text);

    /// A press of the button of the control table's row `row`: submits its action, asked by
    /// the row's control. A row that is no button does nothing.
    void press(const layout::control_spec& row);
    /// A press of the button named `control`, for callers that name it rather than hold its
    /// row; false for a name that is no button.
    bool press(std::string_view control);

    /// The operator asks to close the window: true if it may close now. While work runs or
    /// waits, closing would cut a sequence in half: false, and the host's close_window() is
    /// called once all of it is done.
    bool may_close();

    /// A sequence is running: the port is in use.
    bool busy() const { return device_.busy(); }
    /// Something runs or waits to.
    bool working() const { return device_.working(); }

    const std::string& consigne() const { return consigne_; }
    const std::deque<std::string>& messages() const { return messages_; }

  private:
    void on_event(const instrument_event& event) override;

    instrument& device_;
    form_host* host_ = nullptr;
    std::string consigne_;
    std::deque<std::string> messages_;
    bool close_pending_ = false;  ///< the operator asked to close while work was under way
};

}  // namespace helio
