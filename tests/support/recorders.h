// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/form1_model.h"
#include "sequences/message_log.h"
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

/// Stands in for a view: what the operator was shown, the log's lines once it is added as a
/// log observer, and how many sequences started and ended and how many keep-alives came.
class host_recorder final : public form_host, public log_observer {
  public:
    void show_error(const std::string& message) override { errors.push_back(message); }
    void show_busy(bool busy) override { ++(busy ? started : finished); }
    void keep_alive() override { ++keep_alives; }
    void line_logged(const std::string& text) override { lines.push_back(text); }

    void clear() { *this = host_recorder(); }

    std::vector<std::string> errors;
    std::vector<std::string> lines;
    int started = 0;
    int finished = 0;
    int keep_alives = 0;
};

/// A message log that keeps its lines.
class line_recorder final : public message_log, public log_observer {
  public:
    void log_line(const std::string& text) override { lines.push_back(text); }
    void line_logged(const std::string& text) override { lines.push_back(text); }

    std::vector<std::string> lines;
};

}  // namespace helio::test
