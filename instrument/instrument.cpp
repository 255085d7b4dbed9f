// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/instrument.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "instrument/go_procedure.h"
#include "instrument/operator_messages.h"
#include "sequences/blade_positioning.h"
#include "sequences/strobed_commands.h"
#include "ttl/protocol.h"

namespace helio {

instrument::instrument(port_access& port, const clock& time, std::string decimal_separator,
                       std::unique_ptr<const text_to_integer> numbers)
    : context_{port, time, std::move(decimal_separator), this}, numbers_(std::move(numbers)) {
    if (!numbers_) {
        numbers_ = std::make_unique<portable_text_to_integer>(
            number_format{.decimal_separator = context_.decimal_separator});
    }
    context_.port.set_listener(this);
}

instrument::~instrument() {
    context_.port.set_listener(nullptr);
}

void instrument::add_listener(event_listener& listener, event_kinds kinds) {
    listeners_.push_back({&listener, kinds});
    wanted_ |= kinds;
}

void instrument::remove_listener(event_listener& listener) {
    for (subscriber& each : listeners_) {
        if (each.listener == &listener) {
            each.listener = nullptr;
        }
    }
    if (telling_ == 0) {
        tidy();
    } else {
        listener_gone_ = true;  // the list is being walked: tidied once it is not
    }
}

void instrument::tidy() {
    std::erase_if(listeners_, [](const subscriber& each) { return each.listener == nullptr; });
    wanted_ = {};
    for (const subscriber& each : listeners_) {
        wanted_ |= each.kinds;
    }
}

void instrument::on_event(const instrument_event& event) {
    if (event.kind == event_kind::written) {
        last_output_ = event.value;
    }
    tell(event);
}

void instrument::tell_listeners(const instrument_event& event) {
    ++telling_;
    // By index, and only those there when the event came: a listener may add another (a
    // window built during a wait's keep-alive) or remove one while it is told.
    const std::size_t count = listeners_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const subscriber each = listeners_[i];
        if (each.listener != nullptr && each.kinds.has(event.kind)) {
            each.listener->on_event(event);
        }
    }
    if (--telling_ == 0 && std::exchange(listener_gone_, false)) {
        tidy();
    }
}

void instrument::submit(action what, action_done done) {
    if (running_ || !waiting_.empty()) {
        waiting_.push_back({std::move(what), std::move(done)});
        if (running_) {
            return;  // the running call runs it in its turn
        }
    }
    running_ = true;
    try {
        if (waiting_.empty()) {
            run({std::move(what), std::move(done)});  // nothing waits: no trip through the queue
        }
        while (!waiting_.empty()) {
            const queued next = std::move(waiting_.front());
            waiting_.pop_front();
            run(next);  // a sequence's error ends as an event and an outcome, not here
        }
    } catch (...) {
        running_ = false;  // what a listener raised: the queue stays usable
        throw;
    }
    running_ = false;
    if (on_idle_) {
        std::exchange(on_idle_, nullptr)();
    }
}

void instrument::when_idle(std::function<void()> then) {
    if (!running_) {
        then();
        return;
    }
    on_idle_ = std::move(then);
}

void instrument::run(const queued& next) {
    write_action_label(next.what, label_);
    const std::string& label = label_;
    busy_ = true;
    tell_action(event_kind::action_began, next.what, label, action_result::done);
    action_outcome outcome;
    try {
        outcome = perform(next.what);
    } catch (...) {
        // Nothing of ours throws anything but the console's errors, but a foreign component
        // might: the console must go on whatever the instrument's software does.
        outcome.result = action_result::failed;
        outcome.error = std::current_exception();
    }
    if (outcome.error) {
        outcome.message = operator_message(outcome.error) + release_lines();
    }
    busy_ = false;
    if (outcome.error) {
        tell({.kind = event_kind::error_shown, .text = outcome.message, .error = &outcome.error});
    }
    tell_action(event_kind::action_ended, next.what, label, outcome.result);
    if (next.done) {
        next.done(outcome);
    }
}

action_outcome instrument::perform(const action& what) {
    switch (what.kind) {
        case action_kind::sighting:
            position_visee(context_);
            return {};
        case action_kind::ccd:
            position_ccd(context_);
            return {};
        case action_kind::pusher:
            return {.result = actuate_pusher(context_) == pusher_result::refused
                                  ? action_result::refused
                                  : action_result::done};
        case action_kind::blades_to:
            return {.setpoint = move_blades(context_, what.position)};
        case action_kind::go:
            return {.setpoint = go(context_, what.entry, *numbers_)};
        case action_kind::go_to:
            return {.setpoint = go_to_position(context_, what.position)};
        case action_kind::reset_outputs:
            context_.port.reset_outputs();
            return {};
        case action_kind::read_inputs:
            return {.input_byte = context_.port.get_ttl()};
    }
    return {};
}

std::string instrument::release_lines() {
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

void instrument::tell_action(event_kind kind, const action& what, const std::string& label,
                             action_result result) {
    tell({.kind = kind,
          .value = what.position,
          .text = label,
          .action = what.kind,
          .origin = what.origin,
          .result = result});
}

void instrument::report_error(const std::string& message) {
    tell({.kind = event_kind::error_shown, .text = message});
}

}  // namespace helio
