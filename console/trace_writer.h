// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "console/form1_model.h"
#include "ttl/port_access.h"

namespace helio {

/// The maintainer's trace of the model's lines and log, while it lives: "W <value>" per
/// write, "L <text>" per logged line, "E <message>" per error the operator is shown (on one
/// line), and reads as "R <byte>", or "R <byte> <count>" for a run of identical ones: a
/// wait reads back to back, hundreds of thousands of times a second. A run is written when
/// it ends: at the next other event, at the end of the command it belongs to, or when the
/// trace ends. Each line is flushed at once so that nothing written is lost if the program
/// stops.
class trace_writer final : private port_observer,
                           private log_observer,
                           private command_observer,
                           private failure_observer {
  public:
    trace_writer(std::ostream& out, form1_model& model);
    ~trace_writer() override;

    trace_writer(const trace_writer&) = delete;
    trace_writer& operator=(const trace_writer&) = delete;

  private:
    struct read_run {
        std::int32_t input_byte;
        std::uint64_t count;
    };

    void output_written(std::int32_t value) override;
    void input_read(std::int32_t input_byte) override;
    void line_logged(const std::string& text) override;
    void command_ended(const std::string& label) override;
    void error_reported(const std::string& message) override;

    void end_run();
    void write_line(char tag, const std::string& text);

    std::ostream& out_;
    form1_model& model_;
    std::optional<read_run> run_;
};

}  // namespace helio
