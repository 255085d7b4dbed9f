// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <ostream>
#include <string>

#include "console/form1_model.h"
#include "ttl/ttl_lines.h"

namespace helio {

/// The maintainer's trace: one line per event, flushed at once so that nothing is lost if
/// the program stops: "W <value>" per write, "R <byte>" per read, "L <text>" per log line,
/// "E <message>" per error the operator is shown, on one line.
class trace_writer final : public port_observer, public log_observer, public failure_observer {
  public:
    explicit trace_writer(std::ostream& out) : out_(out) {}

    void output_written(std::int32_t value) override { write_line('W', std::to_string(value)); }
    void input_read(std::int32_t input_byte) override {
        write_line('R', std::to_string(input_byte));
    }
    void line_logged(const std::string& text) override { write_line('L', text); }
    void error_reported(const std::string& message) override {
        std::string line = message;
        std::ranges::replace(line, '\n', ' ');
        write_line('E', line);
    }

  private:
    void write_line(char tag, const std::string& text) { out_ << tag << ' ' << text << std::endl; }

    std::ostream& out_;
};

}  // namespace helio
