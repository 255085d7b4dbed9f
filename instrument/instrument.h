// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "instrument/action.h"
#include "sequences/sequence_context.h"
#include "ttl/clock.h"
#include "ttl/instrument_event.h"
#include "ttl/port_access.h"
#include "ttl/text_to_integer.h"

namespace helio {

/// The heliograph as every front end drives it: the window, the maintainer's panel and the
/// network device submit actions; the instrument runs each one to its end in one queue,
/// lowers a strobe a failed sequence left raised, turns every error into an event, and tells
/// its listeners everything that happens, as one stream of events. Toolkit-neutral; UI
/// thread only (work from another thread is posted to it first).
class instrument final : private event_listener {
  public:
    /// The arrival messages use `decimal_separator`. GO reads the entry with `numbers`, the
    /// platform's own conversion; without one, with text_to_int32 in a format that has that
    /// separator and neither thousands separator nor currency symbol.
    instrument(port_access& port, const clock& time, std::string decimal_separator,
               std::unique_ptr<const text_to_integer> numbers = nullptr);
    ~instrument() override;

    instrument(const instrument&) = delete;
    instrument& operator=(const instrument&) = delete;

    /// Runs `what` now if nothing runs, then whatever was submitted meanwhile, in order. An
    /// action submitted while another runs (a press dispatched by a wait's keep-alive, a
    /// network client's) only joins the queue and runs after: none is ever dropped. `done`
    /// hears how it ended.
    void submit(action what, action_done done = {});

    /// An action's sequence is running: the port is in use.
    bool busy() const { return busy_; }
    /// An action runs or waits to.
    bool working() const { return running_; }
    /// Calls `then` once, as soon as nothing runs or waits any more (at once if so now).
    void when_idle(std::function<void()> then);

    /// Tells the listeners of `kinds` of every such event, in the order they were added, from
    /// the next event on. A listener may come or go while an event is told.
    void add_listener(event_listener& listener, event_kinds kinds = event_kinds::all());
    void remove_listener(event_listener& listener);

    /// An error found outside any action, such as an I/O component that the registry shows
    /// out of reach at start: told as error_shown.
    void report_error(const std::string& message);

    /// A line of the message log, as a sequence logs it: told as logged.
    void log_line(const std::string& text) const { context_.log_line(text); }

    const clock& time() const { return context_.time; }
    const std::string& decimal_separator() const { return context_.decimal_separator; }

  private:
    struct queued {
        action what;
        action_done done;
    };
    struct subscriber {
        event_listener* listener;
        event_kinds kinds;
    };

    void on_event(const instrument_event& event) override;
    void tell(const instrument_event& event) {
        if (wanted_.has(event.kind)) {  // most reads of a wait, when no panel listens
            tell_listeners(event);
        }
    }
    void tell_listeners(const instrument_event& event);
    void tidy();
    void run(const queued& next);
    action_outcome perform(const action& what);
    std::string release_lines();
    void tell_action(event_kind kind, const action& what, const std::string& label,
                     action_result result);

    sequence_context context_;
    std::unique_ptr<const text_to_integer> numbers_;
    std::vector<subscriber> listeners_;
    event_kinds wanted_{};        ///< what any listener wants: the others are told nobody
    int telling_ = 0;             ///< events being told, nested
    bool listener_gone_ = false;  ///< one was removed while an event was told
    std::deque<queued> waiting_;
    std::string label_;  ///< the running action's, kept so that a press allocates nothing
    std::function<void()> on_idle_;
    std::int32_t last_output_ = 0;  ///< the last byte a write put on the lines
    bool running_ = false;
    bool busy_ = false;
};

}  // namespace helio
