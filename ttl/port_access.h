// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "ttl/instrument_event.h"
#include "ttl/io_component.h"
#include "ttl/number_text.h"

namespace helio {

/// The console's only way to the instrument: the TTL output and input port, reached through
/// a fresh I/O component instance for every single access.
class port_access {
  public:
    /// Text that the component hands back for a reading is read in `format`.
    explicit port_access(io_component_factory& factory, number_format format = {});

    port_access(const port_access&) = delete;
    port_access& operator=(const port_access&) = delete;

    /// Sends `value` as the state of the eight output lines.
    void write_output(std::int32_t value);

    /// Reads the eight input lines: (raw + 65536) mod 256, so a 16-bit reading that came
    /// back negative gives its low byte. Readings outside -65536 .. 2^31 - 65537 are refused.
    std::int32_t get_ttl();

    /// Sets every output line to 0.
    void reset_outputs();

    /// Busy-waits count x 10000 loop iterations; with count 1 it is the strobe width.
    void spin_delay(std::int32_t count);

    /// Told of every access that succeeded, after it happened (written, read, spun): one
    /// listener, the instrument, which tells the others. Null: nobody is told.
    void set_listener(event_listener* listener) { listener_ = listener; }

  private:
    /// Raises a failing status as an io_error; inline, since every access passes here.
    void check(status_code status, const char* operation) const {
        if (failed(status)) {
            raise(status, operation);
        }
    }
    [[noreturn]] void raise(status_code status, const char* operation) const;
    void tell(event_kind kind, std::int32_t value) const {
        if (listener_ != nullptr) {
            listener_->on_event({.kind = kind, .value = value});
        }
    }

    io_component_factory& factory_;
    number_format format_;
    event_listener* listener_ = nullptr;
};

/// The loop count of spin_delay(count), with overflow detection.
std::int32_t spin_iterations(std::int32_t count);

/// Runs an empty counting loop for i = 1 to n that the optimiser cannot remove.
void spin_loop(std::int32_t n);

/// The input byte for a raw reading: (raw + 65536) mod 256, overflow checked. A reading
/// below -65536, which no port gives, is an overflow_error too.
std::int32_t input_byte_from_raw(std::int32_t raw);

}  // namespace helio
