// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/console_runner.h"

#include <algorithm>
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

const command_outcome queue_full{
    {error_numbers::console_failure,
     "La console n'a pas pu prendre la commande : sa file de messages est pleine."}};

/// The moves a client asks for: a slot's, and the line centre's on connecting.
bool remote_move(const instrument_event& event) {
    return event.origin == action_origin::network &&
           (event.action == action_kind::go_to || event.action == action_kind::blades_to);
}

}  // namespace

action client_action(action_kind kind, std::string asked_by, std::int32_t position) {
    return {.kind = kind,
            .origin = action_origin::network,
            .position = position,
            .asked_by = std::move(asked_by)};
}

console_runner::console_runner(instrument& device, ui_poster& poster, served_state& state)
    : device_(device), poster_(poster), state_(state) {
    device_.add_listener(
        *this, {event_kind::read, event_kind::blades_moving, event_kind::blades_arrived,
                event_kind::error_shown, event_kind::action_began, event_kind::action_ended,
                event_kind::still_waiting});
}

console_runner::~console_runner() {
    *alive_ = false;
    device_.remove_listener(*this);
}

bool console_runner::post(std::function<void()> work) {
    return poster_.post([alive = alive_, work = std::move(work)] {
        if (*alive) {
            work();
        }
    });
}

void console_runner::submit(client_request request) {
    if (request.what.kind == action_kind::read_inputs) {
        {
            const std::scoped_lock lock(readers_mutex_);
            readers_.push_back(std::move(request));
            if (std::exchange(read_posted_, true) && !sequence_running_) {
                return;  // the read already posted has not been made: it serves this one too
            }
        }
        if (!post([this] { read_for_waiting_clients(); })) {
            std::vector<client_request> refused;
            {
                const std::scoped_lock lock(readers_mutex_);
                refused.swap(readers_);
                read_posted_ = false;
            }
            for (const client_request& each : refused) {
                each.done(queue_full);
            }
        }
        return;
    }
    const action what = request.what;
    const std::function<void(command_outcome)> done = request.done;
    if (!post([this, request = std::move(request)]() mutable { arrived(std::move(request)); })) {
        abandon(what);
        done(queue_full);
    }
}

void console_runner::arrived(client_request request) {
    std::shared_ptr<held_client> held;
    if (request.overdue) {
        held = std::make_shared<held_client>(
            held_client{device_.time().now() + client_patience, std::move(request.overdue)});
        held_.push_back(held);
    }
    // One instrument, one queue: behind the running sequence and whatever waits for it.
    device_.submit(std::move(request.what), [this, alive = alive_, held,
                                             done = request.done](const action_outcome& outcome) {
        if (!*alive) {
            return;  // the server is gone, and the client with it
        }
        if (held) {
            std::erase(held_, held);
        }
        done(outcome_for(outcome));
    });
}

void console_runner::read_for_waiting_clients() {
    std::vector<client_request> readers;
    {
        const std::scoped_lock lock(readers_mutex_);
        readers.swap(readers_);
        read_posted_ = false;
    }
    if (readers.empty()) {
        return;
    }
    if (device_.working()) {
        // The port belongs to the running sequence (or the operator is being told how one
        // failed): what it read last is the state now.
        command_outcome outcome;
        if (latest_input_) {
            outcome.input_byte = latest_input_;
        } else {
            outcome.error = {error_numbers::invalid_operation,
                             "Une séquence est en cours et n'a encore rien lu sur le port."};
        }
        for (const client_request& each : readers) {
            each.done(outcome);
        }
        return;
    }
    // One read for all of them, named in the records after the first who asked.
    action what = readers.front().what;
    device_.submit(std::move(what),
                   [alive = alive_, readers = std::move(readers)](const action_outcome& outcome) {
                       if (*alive) {
                           const command_outcome told = outcome_for(outcome);
                           for (const client_request& each : readers) {
                               each.done(told);
                           }
                       }
                   });
}

void console_runner::abandon(const action& what) {
    if (what.kind == action_kind::go_to || what.kind == action_kind::blades_to) {
        state_.remote_move_abandoned();
    }
}

void console_runner::release_overdue() {
    const clock::time_point now = device_.time().now();
    for (const std::shared_ptr<held_client>& held : held_) {
        if (held->overdue && held->deadline <= now) {
            std::exchange(held->overdue, nullptr)();
        }
    }
}

void console_runner::on_event(const instrument_event& event) {
    if (event.kind == event_kind::read) {
        latest_input_ = event.value;
    } else if (event.kind == event_kind::still_waiting) {
        // A wait's keep-alive: the one moment a long sequence gives the console's thread.
        if (!held_.empty()) {
            release_overdue();
        }
    } else if (event.kind == event_kind::action_began || event.kind == event_kind::action_ended) {
        if (event.action != action_kind::read_inputs) {
            sequence_running_ = event.kind == event_kind::action_began;
        }
        if (event.kind == event_kind::action_began && remote_move(event)) {
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
