// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "instrument/instrument.h"

namespace helio {

/// What the recording's header says of where it comes from.
struct vcd_header {
    std::string program;  ///< the program and its version, one line
    std::string date;     ///< when the recording began, as the maintainer reads it
};

/// The TTL lines as a Value Change Dump (IEEE 1364), for waveform viewers: one 1-bit
/// variable per line in an output and an input scope, each port's byte as a number (a real
/// variable, which every reader takes), and each action marked by who asked for it (a 1-bit
/// variable per origin, high while it runs) and by its label (a string variable). Times are
/// nanoseconds of the instrument's clock since the recording began; a value is written only when it
/// changes, so that the reads of a wait cost a compare each and add nothing to the file until the
/// input changes. The file is flushed at the end of every action.
class vcd_writer final : private event_listener {
  public:
    vcd_writer(std::ostream& out, instrument& device, const vcd_header& header);
    ~vcd_writer() override;

    vcd_writer(const vcd_writer&) = delete;
    vcd_writer& operator=(const vcd_writer&) = delete;

  private:
    /// One port's eight lines, as last recorded; nothing before the first access.
    struct port_lines {
        char first_bit_id;
        char byte_id;
        std::optional<std::int32_t> value{};
    };

    void on_event(const instrument_event& event) override;
    void change(port_lines& lines, std::int32_t value);
    void mark_action(const instrument_event& event, bool began);
    void stamp(std::int64_t at);
    void append_number(std::int64_t number);
    void write_pending();
    std::int64_t elapsed() const;

    std::ostream& out_;
    instrument& device_;
    clock::time_point origin_;
    std::int64_t stamped_ = 0;  ///< the last time written
    port_lines output_;
    port_lines input_;
    std::string pending_;  ///< what the event at hand writes
};

/// How a label goes into a string variable: a VCD token, printable ASCII without blanks.
std::string vcd_token(std::string_view text);

}  // namespace helio
