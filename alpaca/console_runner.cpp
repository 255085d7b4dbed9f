// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/console_runner.h"

#include <memory>

#include "alpaca/command_errors.h"
#include "console/go_procedure.h"
#include "sequences/blade_positioning.h"
#include "sequences/messages.h"

namespace helio::alpaca {

namespace {

/// The command as the console's transcript and trace name it, beside a press's "Command1".
std::string command_label(const remote_command& command) {
    switch (command.kind) {
        case command_kind::move_blades:
            return "Alpaca : GO " + std::to_string(get_consigne(command.position));
        case command_kind::sighting:
            return "Alpaca : VISEE";
        case command_kind::ccd:
            return "Alpaca : CCD";
        case command_kind::pusher:
            return "Alpaca : POUSSOIR";
        case command_kind::reset_outputs:
            return "Alpaca : INIT TTL output";
        case command_kind::read_inputs:
            break;
    }
    return "Alpaca : lecture des entrées";
}

}  // namespace

console_runner::console_runner(form1_model& model, ui_poster& poster, device_state& state)
    : model_(model), poster_(poster), state_(state) {
    model_.context().port.add_observer(*this);
    model_.add_log_observer(*this);
}

console_runner::~console_runner() {
    *alive_ = false;
    model_.remove_log_observer(*this);
    model_.context().port.remove_observer(*this);
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

void console_runner::arrived(const remote_command& command, const completion& done) {
    if (command.kind == command_kind::read_inputs) {
        read_inputs(done);
    } else {
        // One instrument, one queue: behind the running sequence and whatever waits for it.
        model_.submit(queued(command, done));
    }
}

void console_runner::read_inputs(const completion& done) {
    if (!model_.working()) {
        model_.submit(queued({command_kind::read_inputs}, done));
        return;
    }
    // The port belongs to the running sequence (or the operator is being told how one
    // failed): what it read last is the state now.
    command_outcome outcome;
    if (latest_input_) {
        outcome.input_byte = latest_input_;
    } else {
        outcome.error = {error_numbers::invalid_operation,
                         "Une séquence est en cours et n'a encore rien lu sur le port."};
    }
    done(outcome);
}

instrument_command console_runner::queued(const remote_command& command, const completion& done) {
    auto outcome = std::make_shared<command_outcome>();
    return {
        command_label(command),
        [this, alive = alive_, command, done, outcome] {
            if (!*alive) {
                return;  // the server is gone, and the client with it
            }
            observers_.notify(
                [&](remote_command_observer& o) { o.remote_command_started(command); });
            if (command.kind == command_kind::move_blades) {
                state_.remote_move_starting(command.position);
            }
            refused_ = false;
            if (command.kind == command_kind::read_inputs) {
                outcome->input_byte = model_.context().port.get_ttl();
            } else {
                sequence_of(command)();
            }
            if (refused_) {
                // The pusher's interlock: the sequence ended normally, the pusher did not act.
                outcome->error = {error_numbers::invalid_operation,
                                  std::string(messages::sighting_button_inactive)};
            }
            observers_.notify(
                [&](remote_command_observer& o) { o.remote_command_ended(command, *outcome); });
            done(*outcome);
        },
        [this, alive = alive_, command, done, outcome](const std::exception_ptr& error,
                                                       const std::string& message) {
            if (!*alive) {
                return;
            }
            outcome->error = error_for(error, message);
            observers_.notify(
                [&](remote_command_observer& o) { o.remote_command_ended(command, *outcome); });
            done(*outcome);
        },
    };
}

std::function<void()> console_runner::sequence_of(const remote_command& command) {
    switch (command.kind) {
        case command_kind::move_blades:
            return [this, position = command.position] {
                go_to_code(model_.context(), get_consigne(position));
            };
        case command_kind::sighting:
            return [this] { model_.Command1_Click(); };
        case command_kind::ccd:
            return [this] { model_.Command2_Click(); };
        case command_kind::pusher:
            return [this] { model_.Command3_Click(); };
        case command_kind::reset_outputs:
            return [this] { model_.Command9_Click(); };
        case command_kind::read_inputs:
            break;
    }
    return [] {};
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
