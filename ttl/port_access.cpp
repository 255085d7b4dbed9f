// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/port_access.h"

#include <string>
#include <utility>

#include "ttl/basic_conversion.h"
#include "ttl/ttl_port.h"

namespace helio {

namespace {

constexpr std::int32_t lowest_port_reading = -65536;

}  // namespace

port_access::port_access(io_component_factory& factory, number_format format)
    : factory_(factory), format_(std::move(format)) {}

void port_access::raise(status_code status, const char* operation) const {
    throw io_error(status, operation, factory_.describe_status(status));
}

void port_access::write_output(std::int32_t value) {
    std::int32_t ignored_status = 0;
    check(factory_.write_port_once(ttl_port_number, value, ignored_status), "WritePort");
    tell(event_kind::written, value);
}

std::int32_t port_access::get_ttl() {
    std::int32_t aux = 0;
    port_value value;
    check(factory_.read_port_once(ttl_port_number, aux, value), "ReadPort");
    const std::int32_t input_byte = input_byte_from_raw(to_int32(value, format_));
    tell(event_kind::read, input_byte);
    return input_byte;
}

void port_access::reset_outputs() {
    write_output(0);
}

void port_access::spin_delay(std::int32_t count) {
    spin_loop(spin_iterations(count));
    tell(event_kind::spun, count);
}

std::int32_t spin_iterations(std::int32_t count) {
    return checked_multiply(count, spin_iterations_per_count);
}

void spin_loop(std::int32_t n) {
    // The volatile counter makes every iteration a real load and store: the loop's
    // length is the strobe width, so it must survive any optimisation level.
    volatile std::int64_t i = 1;
    while (i <= n) {
        i = i + 1;
    }
}

std::int32_t input_byte_from_raw(std::int32_t raw) {
    if (raw < lowest_port_reading) {
        // Below -65536 the remainder may come out negative, and a negative byte has every
        // status bit set: it would tell POUSSOIR that the sighting button is pressed. No 8- or
        // 16-bit port gives such a reading, so it is refused like one too large to add to.
        throw overflow_error("port reading " + std::to_string(raw) + " below -65536");
    }
    return checked_add(raw, 65536) % 256;
}

}  // namespace helio
