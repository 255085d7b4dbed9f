// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/form1_model.h"
#include "instrument/instrument.h"
#include "ttl/clock.h"
#include "ttl/instrument_event.h"

namespace helio::test {

/// What the instrument told, as the tests look at it: the port accesses in order ("W 8",
/// "S1", "R 2"; reads only counted unless asked for, since a wait makes as many as the
/// mechanism takes), the log's lines, how each wait went, the actions as they began and the
/// errors shown.
class event_recorder final : public event_listener {
  public:
    struct wait_end {
        int bit;
        clock::duration took;
        bool arrived;
    };

    explicit event_recorder(bool with_reads = false) : with_reads_(with_reads) {}

    void on_event(const instrument_event& event) override {
        if (event.kind == event_kind::written || event.kind == event_kind::read ||
            event.kind == event_kind::spun) {
            record_access(event);
        } else if (event.kind == event_kind::logged) {
            lines.emplace_back(event.text);
        } else if (event.kind == event_kind::wait_began) {
            waits_began.push_back(event.value);
        } else if (event.kind == event_kind::still_waiting) {
            ++keep_alives;
        } else if (event.kind == event_kind::wait_ended) {
            waits_ended.push_back({event.value, event.took, event.arrived});
        } else if (event.kind == event_kind::action_began) {
            actions.emplace_back(event.text);
        } else if (event.kind == event_kind::error_shown) {
            errors.emplace_back(event.text);
        }
    }

    /// How the last wait ended; as a wait that never arrived if none has ended.
    wait_end last_wait() const {
        return waits_ended.empty() ? wait_end{-1, {}, false} : waits_ended.back();
    }

    void clear() { *this = event_recorder(with_reads_); }

    std::vector<std::string> events;
    std::vector<std::int32_t> writes;
    int reads = 0;
    std::vector<std::string> lines;
    std::vector<int> waits_began;
    int keep_alives = 0;
    std::vector<wait_end> waits_ended;
    std::vector<std::string> actions;
    std::vector<std::string> errors;

  private:
    void record_access(const instrument_event& event) {
        if (event.kind == event_kind::read) {
            ++reads;
            if (with_reads_) {
                events.push_back(tagged("R ", event.value));
            }
        } else if (event.kind == event_kind::written) {
            events.push_back(tagged("W ", event.value));
            writes.push_back(event.value);
        } else {
            events.push_back(tagged("S", event.value));
        }
    }

    // Appended rather than "S" + std::to_string(...): GCC 12 at -O3 takes the latter for
    // an overlapping copy (-Wrestrict, a false alarm) and the release build stops on it.
    static std::string tagged(std::string tag, std::int32_t value) {
        tag += std::to_string(value);
        return tag;
    }

    bool with_reads_;
};

/// Calls `each` at every keep-alive of the instrument's waits, after the listeners that
/// were there before it: a look at the windows from inside a wait.
class keep_alive_probe final : public event_listener {
  public:
    keep_alive_probe(instrument& device, std::function<void()> each)
        : device_(device), each_(std::move(each)) {
        device_.add_listener(*this, {event_kind::still_waiting});
    }
    ~keep_alive_probe() override { device_.remove_listener(*this); }
    keep_alive_probe(const keep_alive_probe&) = delete;
    keep_alive_probe& operator=(const keep_alive_probe&) = delete;

    void on_event(const instrument_event& /*still_waiting*/) override { each_(); }

  private:
    instrument& device_;
    std::function<void()> each_;
};

/// Stands in for a view: what the operator was shown, the log's lines as the window draws
/// them, how many sequences started and ended, how many keep-alives came and how many times
/// the model closed the window; `in_keep_alive`, if set, runs in each keep-alive, as the
/// view's event loop would.
class host_recorder final : public form_host {
  public:
    void show_error(const std::string& message) override { errors.push_back(message); }
    void show_busy(bool busy) override { ++(busy ? started : finished); }
    void keep_alive() override {
        ++keep_alives;
        if (in_keep_alive) {
            in_keep_alive();
        }
    }
    void close_window() override { ++close_calls; }
    void line_logged(const std::string& text) override { lines.push_back(text); }

    void clear() { *this = host_recorder(); }

    std::vector<std::string> errors;
    std::vector<std::string> lines;
    int started = 0;
    int finished = 0;
    int keep_alives = 0;
    int close_calls = 0;
    std::function<void()> in_keep_alive;
};

}  // namespace helio::test
