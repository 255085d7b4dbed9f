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
using helio::fuzz::outcome;
using helio::test::no_number;
using helio::test::too_large;
using helio::test::v;

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
outcome expected_real(double value) {
    if (std::isnan(value)) {
        return no_number;
    }
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return too_large;
    }
    return v(static_cast<std::int32_t>(rounded));
}

/// The raw reading the rule gives for `value`, before the input byte is taken from it.
outcome expected_raw(const port_value& value) {
    struct visitor {
        outcome operator()(helio::empty_value) const { return v(0); }
        outcome operator()(helio::null_value) const { return no_number; }
        outcome operator()(bool b) const { return v(b ? -1 : 0); }
        outcome operator()(std::uint8_t n) const { return v(n); }
        outcome operator()(std::int16_t n) const { return v(n); }
        outcome operator()(std::int32_t n) const { return v(n); }
        outcome operator()(float x) const { return expected_real(x); }
        outcome operator()(double x) const { return expected_real(x); }
        outcome operator()(const std::string& text) const {
            return helio::test::reference_conversion(text, helio::number_format{});
        }
    };
    return std::visit(visitor{}, value);
}

/// How one of the console's conversions of a reading came out.
outcome outcome_of(const auto& convert) {
    try {
        return v(convert());
    } catch (const helio::overflow_error&) {
        return too_large;
    } catch (const helio::conversion_error&) {
        return no_number;
    }
}

/// What get_ttl must make of a raw reading: add 65536 (an overflow past 32 bits), keep the
/// remainder of the division by 256; a reading below -65536 is refused as an overflow too.
outcome expected_input_byte(const outcome& raw) {
    if (raw.what != outcome::kind::value) {
        return raw;
    }
    const std::int64_t shifted = std::int64_t{raw.value} + 65536;
    if (shifted > std::numeric_limits<std::int32_t>::max() || raw.value < -65536) {
        return too_large;
    }
    return v(static_cast<std::int32_t>(shifted % 256));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static helio::manual_clock time;
    static helio::sim::heliograph_controller controller(time);
    static helio::sim::simulated_component_factory factory(controller);
    static helio::port_access port(factory);
    const port_value value = value_from(data, size);
    const std::string shown = helio::describe(value);
    // The raw value is what the reference can judge; the input byte is judged from it.
    const outcome raw = outcome_of([&] { return helio::to_int32(value); });
    if (raw != expected_raw(value)) {
        helio::fuzz::disagreement("to_int32", shown, expected_raw(value), raw);
    }
    factory.fault_next_access({helio::sim::access_fault::kind::answer, 0, value});
    const outcome byte = outcome_of([&] { return port.get_ttl(); });
    if (byte != expected_input_byte(raw)) {
        helio::fuzz::disagreement("get_ttl", shown, expected_input_byte(raw), byte);
    }
    return 0;
}
