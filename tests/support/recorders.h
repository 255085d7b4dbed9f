// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "console/form1_model.h"
#include "sequences/message_log.h"
#include "ttl/ttl_lines.h"

namespace helio::test {

/// The port accesses a sequence made, in order: "W 8", "S" (the spin delay), "R 2".
/// Reads may be left out, since a wait makes as many as the mechanism takes.
class port_recorder final : public port_observer {
  public:
    explicit port_recorder(bool with_reads = false) : with_reads_(with_reads) {}

    void output_written(std::int32_t value) override {
        events.push_back("W " + std::to_string(value));
        writes.push_back(value);
    }
    void input_read(std::int32_t input_byte) override {
        ++reads;
        if (with_reads_) {
            events.push_back("R " + std::to_string(input_byte));
        }
    }
    void spun(std::int32_t count) override { events.push_back("S" + std::to_string(count)); }

    std::vector<std::string> events;
    std::vector<std::int32_t> writes;
    int reads = 0;

  private:
    bool with_reads_;
};

/// A message log that keeps its lines.
class line_recorder final : public message_log, public log_observer {
  public:
    void log_line(const std::string& text) override { lines.push_back(text); }
    void line_logged(const std::string& text) override { lines.push_back(text); }

    std::vector<std::string> lines;
};

}  // namespace helio::test
