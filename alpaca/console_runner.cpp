// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/console_runner.h"

#include "alpaca/command_errors.h"
#include "console/go_procedure.h"
#include "sequences/blade_positioning.h"
#include "sequences/messages.h"

namespace helio::alpaca {

console_runner::console_runner(form1_model& model, ui_poster& poster, device_state& state)
    : model_(model), poster_(poster), state_(state) {
    model_.context().lines.add_observer(*this);
    model_.add_log_observer(*this);
}

console_runner::~console_runner() {
    *alive_ = false;
    model_.remove_log_observer(*this);
    model_.context().lines.remove_observer(*this);
}

void console_runner::submit(remote_command command, std::function<void(command_outcome)> done) {
    const bool posted = poster_.post([this, alive = alive_, command, done] {
        if (*alive) {
            arrived(command, done);
        }
    });
    if (!posted) {
        abandon(command);
        done({{error_numbers::console_failure,
               "La console n'a pas pu prendre la commande : sa file de messages est pleine."}});
    }
}

void console_runner::arrived(const remote_command& command,
                             const std::function<void(command_outcome)>& done) {
    if (command.kind == command_kind::read_inputs) {
        done(read_inputs());
        return;
    }
    // One instrument, one queue: behind the running sequence and whatever waits for it.
    model_.when_idle([this, alive = alive_, command, done] {
        if (*alive) {
            done(run(command));
        }
    });
}

command_outcome console_runner::read_inputs() {
    command_outcome outcome;
    if (model_.busy()) {
        // The port belongs to the running sequence: what it read last is the state now.
        if (latest_input_) {
            outcome.input_byte = latest_input_;
        } else {
            outcome.error = {error_numbers::invalid_operation,
                             "Une séquence est en cours et n'a encore rien lu sur le port."};
        }
        return outcome;
    }
    std::int32_t input_byte = 0;
    const std::exception_ptr failure =
        model_.run_command([&] { input_byte = model_.context().lines.get_ttl(); });
    if (failure) {
        outcome.error = error_for(failure);
    } else {
        outcome.input_byte = input_byte;
    }
    return outcome;
}

command_outcome console_runner::run(const remote_command& command) {
    observers_.notify([&](remote_command_observer& o) { o.remote_command_started(command); });
    command_outcome outcome;
    run_sequence(command, outcome);
    observers_.notify(
        [&](remote_command_observer& o) { o.remote_command_ended(command, outcome); });
    return outcome;
}

void console_runner::run_sequence(const remote_command& command, command_outcome& outcome) {
    sequence_context& context = model_.context();
    std::function<void()> sequence;
    switch (command.kind) {
        case command_kind::move_blades:
            state_.remote_move_starting(command.position);
            sequence = [&] { go_to_code(context, get_consigne(command.position)); };
            break;
        case command_kind::sighting:
            sequence = [&] { model_.Command1_Click(); };
            break;
        case command_kind::ccd:
            sequence = [&] { model_.Command2_Click(); };
            break;
        case command_kind::pusher:
            sequence = [&] { model_.Command3_Click(); };
            break;
        case command_kind::reset_outputs:
            sequence = [&] { model_.Command9_Click(); };
            break;
        case command_kind::read_inputs:
            return;
    }
    refused_ = false;
    if (const std::exception_ptr failure = model_.run_command(sequence)) {
        outcome.error = error_for(failure);
    } else if (refused_) {
        outcome.error = {error_numbers::invalid_operation,
                         std::string(messages::sighting_button_inactive)};
    }
}

void console_runner::abandon(const remote_command& command) {
    if (command.kind == command_kind::move_blades) {
        state_.remote_move_abandoned();
    }
}

void console_runner::line_logged(const std::string& text) {
    // The pusher's interlock: the sequence ends normally, but the pusher did not act.
    if (text == messages::sighting_button_inactive) {
        refused_ = true;
    }
}

}  // namespace helio::alpaca
