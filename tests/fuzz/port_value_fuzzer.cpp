// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// get_ttl on whatever the I/O component may hand back: the first byte picks the variant's
// type, the next bytes are its value (a number's bytes as they lie in memory, or text).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz/conversion_oracle.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "ttl/basic_conversion.h"
#include "ttl/errors.h"
#include "ttl/port_access.h"

namespace {

using helio::port_value;
using kind = helio::fuzz::outcome::kind;

template <class Number>
Number number_from(const std::uint8_t* bytes, std::size_t size) {
    Number value{};
    std::memcpy(&value, bytes, std::min(size, sizeof value));
    return value;
}

port_value value_from(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* rest = data + 1;
    const std::size_t left = size - 1;
    switch (data[0] % 9) {
        case 0:
            return helio::empty_value{};
        case 1:
            return helio::null_value{};
        case 2:
            return left > 0 && (rest[0] & 1) != 0;
        case 3:
            return number_from<std::uint8_t>(rest, left);
        case 4:
            return number_from<std::int16_t>(rest, left);
        case 5:
            return number_from<std::int32_t>(rest, left);
        case 6:
            return number_from<float>(rest, left);
        case 7:
            return number_from<double>(rest, left);
        default:
            return std::string(reinterpret_cast<const char*>(rest), left);
    }
}

/// A real number rounded as the rule says, by the C library's own rounding to nearest
/// (the default mode rounds halves to even).
helio::test::reference_number expected_real(double value) {
    if (std::isnan(value)) {
        return {helio::test::reference_number::kind::not_a_number};
    }
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return {helio::test::reference_number::kind::out_of_range};
    }
    return {helio::test::reference_number::kind::integer, static_cast<std::int64_t>(rounded)};
}

/// The raw reading the rule gives for `value`, before the input byte is taken from it.
helio::test::reference_number expected_raw(const port_value& value) {
    using ref = helio::test::reference_number;
    struct visitor {
        ref operator()(helio::empty_value) const { return {ref::kind::integer, 0}; }
        ref operator()(helio::null_value) const { return {ref::kind::not_a_number}; }
        ref operator()(bool v) const { return {ref::kind::integer, v ? -1 : 0}; }
        ref operator()(std::uint8_t v) const { return {ref::kind::integer, v}; }
        ref operator()(std::int16_t v) const { return {ref::kind::integer, v}; }
        ref operator()(std::int32_t v) const { return {ref::kind::integer, v}; }
        ref operator()(float v) const { return expected_real(v); }
        ref operator()(double v) const { return expected_real(v); }
        ref operator()(const std::string& v) const {
            return helio::test::reference_conversion(v, helio::number_format{});
        }
    };
    return std::visit(visitor{}, value);
}

/// The console's reading of `value`, and how its raw value came out, told apart from the
/// input byte: the raw value is what the reference can judge.
struct reading {
    helio::fuzz::outcome raw;
    helio::fuzz::outcome input_byte;
};

helio::fuzz::outcome outcome_of(const auto& convert) {
    try {
        return {kind::integer, convert()};
    } catch (const helio::overflow_error&) {
        return {kind::overflow};
    } catch (const helio::conversion_error&) {
        return {kind::not_a_number};
    }
}

reading read_through_the_console(const port_value& value) {
    static helio::manual_clock time;
    static helio::sim::heliograph_controller controller(time);
    static helio::sim::simulated_component_factory factory(controller);
    static helio::port_access port(factory);
    factory.fault_next_access({helio::sim::access_fault::kind::answer, 0, value});
    return {outcome_of([&] { return helio::to_int32(value); }),
            outcome_of([&] { return port.get_ttl(); })};
}

/// What get_ttl must make of a raw reading: add 65536 (an overflow past 32 bits), keep the
/// remainder of the division by 256; a reading below -65536 is refused as an overflow too.
helio::fuzz::outcome expected_input_byte(const helio::fuzz::outcome& raw) {
    if (raw.what != kind::integer) {
        return raw;
    }
    const std::int64_t shifted = raw.value + 65536;
    if (shifted > std::numeric_limits<std::int32_t>::max() || raw.value < -65536) {
        return {kind::overflow};
    }
    return {kind::integer, shifted % 256};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const port_value value = value_from(data, size);
    const helio::test::reference_number expected = expected_raw(value);
    const reading got = read_through_the_console(value);
    const std::string shown = helio::describe(value);
    if (helio::fuzz::as_outcome(expected) != got.raw) {
        helio::fuzz::disagreement("to_int32", shown, helio::fuzz::as_outcome(expected), got.raw);
    }
    const helio::fuzz::outcome byte = expected_input_byte(got.raw);
    if (byte != got.input_byte) {
        helio::fuzz::disagreement("get_ttl", shown, byte, got.input_byte);
    }
    return 0;
}
