// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/form1_model.h"
#include "sequences/message_log.h"
#include "sequences/sequence_context.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio::test {

/// The port accesses a sequence made, in order: "W 8", "S" (the spin delay), "R 2".
/// Reads may be left out, since a wait makes as many as the mechanism takes.
class port_recorder final : public port_observer {
  public:
    explicit port_recorder(bool with_reads = false) : with_reads_(with_reads) {}

    void output_written(std::int32_t value) override {
        events.push_back(tagged("W ", value));
        writes.push_back(value);
    }
    void input_read(std::int32_t input_byte) override {
        ++reads;
        if (with_reads_) {
            events.push_back(tagged("R ", input_byte));
        }
    }
    void spun(std::int32_t count) override { events.push_back(tagged("S", count)); }

    void clear() {
        events.clear();
        writes.clear();
        reads = 0;
    }

    std::vector<std::string> events;
    std::vector<std::int32_t> writes;
    int reads = 0;

  private:
    // Appended rather than "S" + std::to_string(...): GCC 12 at -O3 takes the latter for
    // an overlapping copy (-Wrestrict, a false alarm) and the release build stops on it.
    static std::string tagged(std::string tag, std::int32_t value) {
        tag += std::to_string(value);
        return tag;
    }

    bool with_reads_;
};

/// Calls `each` at every keep-alive of the waits of `context`, after the observers that
/// were there before it: a look at the windows from inside a wait.
class keep_alive_probe final : public wait_observer {
  public:
    keep_alive_probe(sequence_context& context, std::function<void()> each)
        : context_(context), each_(std::move(each)) {
        context_.wait_observers.add(*this);
    }
    ~keep_alive_probe() override { context_.wait_observers.remove(*this); }
    keep_alive_probe(const keep_alive_probe&) = delete;
    keep_alive_probe& operator=(const keep_alive_probe&) = delete;

    void still_waiting() override { each_(); }

  private:
    sequence_context& context_;
    std::function<void()> each_;
};

/// How the waits for the mechanisms went: the bit each one awaited, the keep-alives of all
/// of them, and how each ended, after how long.
class wait_recorder final : public wait_observer {
  public:
    struct ending {
        int bit;
        clock::duration took;
        bool arrived;
    };

    void wait_began(const status_wait& wait) override { began.push_back(wait.bit); }
    void still_waiting() override { ++keep_alives; }
    void wait_ended(const status_wait& wait, clock::duration took, bool arrived) override {
        ended.push_back({wait.bit, took, arrived});
    }

    /// How the last wait ended; as a wait that never arrived if none has ended.
    ending last() const { return ended.empty() ? ending{-1, {}, false} : ended.back(); }

    std::vector<int> began;
    int keep_alives = 0;
    std::vector<ending> ended;
};

/// Stands in for a view: what the operator was shown, the log's lines once it is added as a
/// log observer, the commands started once it is added as a command observer, how many
/// sequences started and ended, how many keep-alives came and how many times the model
/// closed the window; `in_keep_alive`, if set, runs in each keep-alive, as the view's event
/// loop would.
class host_recorder final : public form_host, public log_observer, public command_observer {
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
    void command_started(const std::string& label) override { commands.push_back(label); }

    void clear() { *this = host_recorder(); }

    std::vector<std::string> errors;
    std::vector<std::string> lines;
    std::vector<std::string> commands;
    int started = 0;
    int finished = 0;
    int keep_alives = 0;
    int close_calls = 0;
    std::function<void()> in_keep_alive;
};

/// A message log that keeps its lines.
class line_recorder final : public message_log, public log_observer {
  public:
    void log_line(const std::string& text) override { lines.push_back(text); }
    void line_logged(const std::string& text) override { lines.push_back(text); }

    std::vector<std::string> lines;
};

}  // namespace helio::test
