// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/form1_model.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "console/form_layout.h"
#include "console/go_procedure.h"
#include "console/operator_messages.h"
#include "sequences/blade_positioning.h"
#include "sequences/strobed_commands.h"
#include "ttl/protocol.h"

namespace helio {

form1_model::form1_model(port_access& port, const clock& time, std::string decimal_separator,
                         std::unique_ptr<const text_to_integer> numbers)
    : context_{port, *this, time, std::move(decimal_separator)}, numbers_(std::move(numbers)) {
    if (!numbers_) {
        numbers_ = std::make_unique<portable_text_to_integer>(
            number_format{.decimal_separator = context_.decimal_separator});
    }
    context_.wait_observers.add(*this);
    context_.port.add_observer(*this);
}

form1_model::~form1_model() {
    context_.port.remove_observer(*this);
}

void form1_model::Command1_Click() {
    position_visee(context_);
}
void form1_model::Command2_Click() {
    position_ccd(context_);
}
void form1_model::Command3_Click() {
    actuate_pusher(context_);
}
void form1_model::Command4_Click() {
    move_blades(context_, -10);
}
void form1_model::Command5_Click() {
    move_blades(context_, 10);
}
void form1_model::Command6_Click() {
    move_blades(context_, 0);
}
void form1_model::Command7_Click() {
    move_blades(context_, -5);
}
void form1_model::Command8_Click() {
    move_blades(context_, 5);
}
void form1_model::Command9_Click() {
    context_.port.reset_outputs();
}
void form1_model::Command10_Click() {
    go(context_, consigne_, *numbers_);
}

void form1_model::Text1_Change(std::string_view text) {
    consigne_ = text;
}

void form1_model::press(const layout::control_spec& row) {
    if (row.click != nullptr) {
        submit({std::string(row.name), [this, click = row.click] { (this->*click)(); }});
    }
}

bool form1_model::press(std::string_view control) {
    const std::optional<layout::control_spec> row = layout::find_control(control);
    if (!row || row->click == nullptr) {
        return false;
    }
    press(*row);
    return true;
}

void form1_model::submit(instrument_command command) {
    if (queue_.submit(std::move(command)) && close_pending_ && host_ != nullptr) {
        close_pending_ = false;
        host_->close_window();
    }
}

bool form1_model::may_close() {
    close_pending_ = working();
    return !close_pending_;
}

void form1_model::run_command(const instrument_command& command) {
    busy_ = true;
    if (host_ != nullptr) {
        host_->show_busy(true);
    }
    command_observers_.notify([&](command_observer& o) { o.command_started(command.label); });
    std::exception_ptr error;
    try {
        command.run();
    } catch (...) {
        // Nothing of ours throws anything but the console's errors, but a foreign component
        // might: the console must go on whatever the instrument's software does.
        error = std::current_exception();
    }
    std::string failure;
    if (error) {
        failure = operator_message(error) + release_lines();
    }
    busy_ = false;
    if (error) {
        current_failure_ = error;
        report_error(failure);
        current_failure_ = nullptr;
    }
    command_observers_.notify([&](command_observer& o) { o.command_ended(command.label); });
    if (host_ != nullptr) {
        host_->show_busy(false);
    }
    if (error && command.report_failure) {
        command.report_failure(error, failure);
    } else if (error && host_ != nullptr) {
        host_->show_error(failure);
    }
}

std::string form1_model::release_lines() {
    // A strobe left raised by an abandoned sequence would latch whatever the next command
    // presents on the data lines: the one write the console adds, and only then.
    if ((last_output_ & protocol::strobe_mask) == 0) {
        return {};
    }
    try {
        context_.port.write_output(0);
        return {};
    } catch (const std::exception& error) {
        return lines_not_released_message(error);
    }
}

void form1_model::report_error(const std::string& message) {
    failure_observers_.notify([&](failure_observer& o) { o.error_reported(message); });
}

void form1_model::log_line(const std::string& text) {
    if (messages_.size() == kept_messages) {
        messages_.pop_front();
    }
    messages_.push_back(text);
    log_observers_.notify([&](log_observer& o) { o.line_logged(text); });
}

void form1_model::still_waiting() {
    if (host_ != nullptr) {
        host_->keep_alive();
    }
}

}  // namespace helio
