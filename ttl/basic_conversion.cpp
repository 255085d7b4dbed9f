// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/basic_conversion.h"

#include <cmath>
#include <limits>
#include <string>

#include "ttl/errors.h"

namespace helio {

namespace {

constexpr std::int64_t int32_min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32_max = std::numeric_limits<std::int32_t>::max();

std::int32_t narrow_checked(std::int64_t value, const char* operation) {
    if (value < int32_min || value > int32_max) {
        throw overflow_error(std::string(operation) + " gives " + std::to_string(value));
    }
    return static_cast<std::int32_t>(value);
}

struct variant_converter {
    const number_format& format;

    std::int32_t operator()(empty_value) const { return 0; }
    std::int32_t operator()(null_value) const { throw conversion_error("Null"); }
    std::int32_t operator()(bool v) const { return v ? -1 : 0; }
    std::int32_t operator()(std::uint8_t v) const { return v; }
    std::int32_t operator()(std::int16_t v) const { return v; }
    std::int32_t operator()(std::int32_t v) const { return v; }
    std::int32_t operator()(float v) const { return round_to_int32(v); }
    std::int32_t operator()(double v) const { return round_to_int32(v); }
    std::int32_t operator()(const std::string& v) const { return text_to_int32(v, format); }
};

}  // namespace

std::int32_t checked_add(std::int32_t a, std::int32_t b) {
    return narrow_checked(std::int64_t{a} + b, "addition");
}

std::int32_t checked_multiply(std::int32_t a, std::int32_t b) {
    return narrow_checked(std::int64_t{a} * b, "multiplication");
}

std::int32_t round_to_int32(double value) {
    if (std::isnan(value)) {
        throw conversion_error("NaN");
    }
    // Range check before rounding so that the cast below is always defined.
    if (!(value > static_cast<double>(int32_min) - 1.0 &&
          value < static_cast<double>(int32_max) + 1.0)) {
        throw overflow_error("conversion of " + std::to_string(value) + " to a 32-bit integer");
    }
    const double floor_value = std::floor(value);
    const double above = value - floor_value;
    double rounded = floor_value;
    if (above > 0.5 || (above == 0.5 && std::fmod(floor_value, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    return narrow_checked(static_cast<std::int64_t>(rounded), "rounding");
}

std::int32_t to_int32(const port_value& value, const number_format& format) {
    return std::visit(variant_converter{format}, value);
}

}  // namespace helio
