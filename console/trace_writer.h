// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "console/transcript_entry.h"
#include "instrument/instrument.h"

namespace helio {

/// The maintainer's trace of the instrument's lines and log, while it lives: "W <value>" per
/// write, "L <text>" per logged line, "E <message>" per error the operator is shown (on one
/// line), and reads as "R <byte>", or "R <byte> <count>" for a run of identical ones: the
/// transcript's own entries, written as text. A run is written when it ends: at the next
/// other event, at the end of the action it belongs to, or when the trace ends. Each line is
/// flushed at once so that nothing written is lost if the program stops.
class trace_writer final : private event_listener {
  public:
    trace_writer(std::ostream& out, instrument& device);
    ~trace_writer() override;

    trace_writer(const trace_writer&) = delete;
    trace_writer& operator=(const trace_writer&) = delete;

  private:
    void on_event(const instrument_event& event) override;
    void end_run();
    void write(const transcript_entry& entry);

    std::ostream& out_;
    instrument& device_;
    std::optional<transcript_entry> run_;  ///< the run of reads not written yet
};

/// The trace's line for `entry`: none for what the trace leaves to the panel (spins, waits,
/// a client's action).
std::optional<std::string> trace_line(const transcript_entry& entry);

}  // namespace helio
