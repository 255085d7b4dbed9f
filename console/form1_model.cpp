// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/form1_model.h"

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>
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
    busy_ = true;
    if (host_ != nullptr) {
        host_->sequence_started();
    }
    std::string failure;
    try {
        (this->*(entry->handler))();
    } catch (const std::exception& error) {
        failure = operator_message(error);
    } catch (...) {
        // Nothing of ours throws anything else, but a foreign component might: the
        // console must go on whatever the instrument's software does.
        failure = operator_message(std::runtime_error("exception d'un type inconnu"));
    }
    busy_ = false;
    if (!failure.empty()) {
        report_error(failure);
    }
    if (host_ != nullptr) {
        host_->sequence_finished();
        if (!failure.empty()) {
            host_->show_error(failure);
        }
    }
    return true;
}

void form1_model::report_error(const std::string& message) {
    failure_observers_.notify([&](failure_observer& o) { o.error_reported(message); });
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
