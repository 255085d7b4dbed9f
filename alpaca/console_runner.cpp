// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/console_runner.h"

#include <memory>
#include <string>
#include <utility>

#include "alpaca/command_errors.h"
#include "sequences/messages.h"

namespace helio::alpaca {

namespace {

/// The client's view of how the action ended.
command_outcome outcome_for(const action_outcome& outcome) {
    command_outcome told{.input_byte = outcome.input_byte};
    if (outcome.error) {
        told.error = error_for(outcome.error, outcome.message);
    } else if (outcome.result == action_result::refused) {
        // The pusher's interlock: the sequence ended normally, the pusher did not act.
        told.error = {error_numbers::invalid_operation,
                      std::string(messages::sighting_button_inactive)};
    }
    return told;
}

}  // namespace

action client_action(action_kind kind, std::int32_t position) {
    return {
        .kind = kind, .origin = action_origin::network, .position = position, .asked_by = "Alpaca"};
}

console_runner::console_runner(instrument& device, ui_poster& poster, served_state& state)
    : device_(device), poster_(poster), state_(state) {
    device_.add_listener(*this,
                         {event_kind::read, event_kind::blades_moving, event_kind::blades_arrived,
                          event_kind::error_shown, event_kind::action_began});
}

console_runner::~console_runner() {
    *alive_ = false;
    device_.remove_listener(*this);
}

void console_runner::submit(action what, std::function<void(command_outcome)> done) {
    const bool posted = poster_.post([this, alive = alive_, what, done] {
        if (*alive) {
            arrived(what, done);
        }
    });
    if (!posted) {
        abandon(what);
        done({{error_numbers::console_failure,
               "La console n'a pas pu prendre la commande : sa file de messages est pleine."}});
    }
}

void console_runner::arrived(action what, const completion& done) {
    if (what.kind == action_kind::read_inputs && device_.working()) {
        read_inputs(done);
        return;
    }
    // One instrument, one queue: behind the running sequence and whatever waits for it.
    device_.submit(std::move(what), [alive = alive_, done](const action_outcome& outcome) {
        if (*alive) {  // else the server is gone, and the client with it
            done(outcome_for(outcome));
        }
    });
}

void console_runner::read_inputs(const completion& done) {
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

void console_runner::abandon(const action& what) {
    if (what.kind == action_kind::go_to) {
        state_.remote_move_abandoned();
    }
}

void console_runner::on_event(const instrument_event& event) {
    if (event.kind == event_kind::read) {
        latest_input_ = event.value;
    } else if (event.kind == event_kind::action_began) {
        if (event.origin == action_origin::network && event.action == action_kind::go_to) {
            state_.remote_move_starting(event.value);
        }
    } else if (event.kind == event_kind::blades_moving) {
        state_.blades_moving(event.value);
    } else if (event.kind == event_kind::blades_arrived) {
        state_.blades_arrived(event.value);
    } else if (event.error != nullptr) {
        // An error that stopped an action: only one that was moving the blades leaves them
        // somewhere unknown, which the state knows; an error found outside any action (the
        // component out of reach at start) moved nothing.
        state_.blades_failed(error_for(*event.error, std::string(event.text)));
    }
}

}  // namespace helio::alpaca
