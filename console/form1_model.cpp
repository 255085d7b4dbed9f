// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/form1_model.h"

#include <algorithm>
#include <array>
#include <exception>
#include <utility>

#include "console/go_procedure.h"
#include "console/operator_messages.h"
#include "sequences/blade_positioning.h"
#include "sequences/strobed_commands.h"

namespace helio {

namespace {

struct button_handler {
    std::string_view control;
    void (form1_model::*handler)();
};

constexpr std::array<button_handler, 10> button_handlers{{
    {"Command1", &form1_model::Command1_Click},
    {"Command2", &form1_model::Command2_Click},
    {"Command3", &form1_model::Command3_Click},
    {"Command4", &form1_model::Command4_Click},
    {"Command5", &form1_model::Command5_Click},
    {"Command6", &form1_model::Command6_Click},
    {"Command7", &form1_model::Command7_Click},
    {"Command8", &form1_model::Command8_Click},
    {"Command9", &form1_model::Command9_Click},
    {"Command10", &form1_model::Command10_Click},
}};

}  // namespace

form1_model::form1_model(ttl_lines& lines, const clock& time, std::string decimal_separator)
    : context_{lines, *this, time, std::move(decimal_separator)} {
    context_.wait_observers.add(*this);
}

form1_model::~form1_model() = default;

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
    context_.lines.reset_outputs();
}
void form1_model::Command10_Click() {
    go(context_, consigne_);
}

void form1_model::Text1_Change(std::string_view text) {
    consigne_ = text;
}

bool form1_model::press(std::string_view control) {
    const auto entry = std::ranges::find(button_handlers, control, &button_handler::control);
    if (entry == button_handlers.end() || busy_) {
        return false;
    }
    const std::exception_ptr failure = run_sequence([&] { (this->*(entry->handler))(); });
    if (failure && host_ != nullptr) {
        host_->show_error(operator_message(failure));
    }
    run_deferred_work();
    return true;
}

std::exception_ptr form1_model::run_command(const std::function<void()>& command) {
    const std::exception_ptr failure = run_sequence(command);
    run_deferred_work();
    return failure;
}

void form1_model::when_idle(std::function<void()> work) {
    if (busy_ || !deferred_.empty()) {
        deferred_.push_back(std::move(work));
        return;
    }
    work();
    run_deferred_work();
}

std::exception_ptr form1_model::run_sequence(const std::function<void()>& sequence) {
    busy_ = true;
    if (host_ != nullptr) {
        host_->sequence_started();
    }
    std::exception_ptr failure;
    try {
        sequence();
    } catch (...) {
        // Whatever a foreign component throws, the console goes on.
        failure = std::current_exception();
    }
    busy_ = false;
    if (failure) {
        const std::string message = operator_message(failure);
        current_failure_ = failure;
        failure_observers_.notify([&](failure_observer& o) { o.press_failed(message); });
        current_failure_ = nullptr;
    }
    if (host_ != nullptr) {
        host_->sequence_finished();
    }
    return failure;
}

void form1_model::run_deferred_work() {
    if (running_deferred_) {
        return;  // the outer call goes on with the rest, in order
    }
    running_deferred_ = true;
    while (!busy_ && !deferred_.empty()) {
        std::function<void()> work = std::move(deferred_.front());
        deferred_.pop_front();
        work();
    }
    running_deferred_ = false;
}

void form1_model::log_line(const std::string& text) {
    if (lines_.size() < kept_lines) {
        lines_.push_back(text);
    }
    log_observers_.notify([&](log_observer& o) { o.line_logged(text); });
}

void form1_model::still_waiting() {
    if (host_ != nullptr) {
        host_->keep_alive();
    }
}

}  // namespace helio
