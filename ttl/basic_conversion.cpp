// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/basic_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

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

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

/// Walks the accepted number shape and rewrites it in the form std::from_chars reads:
/// ASCII digits, '.', 'e', an optional '-' of the exponent. The sign of the whole number is
/// returned apart because from_chars does not take a leading '+'.
class number_scanner {
  public:
    number_scanner(std::string_view text, std::string_view separator)
        : rest_(text), separator_(separator) {}

    bool scan() {
        take_sign(negative_);
        const std::size_t integer_digits = take_digits();
        std::size_t fraction_digits = 0;
        if (!separator_.empty() && rest_.starts_with(separator_)) {
            rest_.remove_prefix(separator_.size());
            normalised_ += '.';
            fraction_digits = take_digits();
        }
        if (integer_digits + fraction_digits == 0) {
            return false;
        }
        if (!rest_.empty() && (rest_.front() == 'e' || rest_.front() == 'E')) {
            rest_.remove_prefix(1);
            normalised_ += 'e';
            bool negative_exponent = false;
            take_sign(negative_exponent);
            if (negative_exponent) {
                normalised_ += '-';
            }
            if (take_digits() == 0) {
                return false;
            }
        }
        return rest_.empty();
    }

    bool negative() const { return negative_; }
    const std::string& normalised() const { return normalised_; }

  private:
    void take_sign(bool& negative) {
        if (!rest_.empty() && (rest_.front() == '+' || rest_.front() == '-')) {
            negative = rest_.front() == '-';
            rest_.remove_prefix(1);
        }
    }

    std::size_t take_digits() {
        std::size_t count = 0;
        while (!rest_.empty() && is_digit(rest_.front())) {
            normalised_ += rest_.front();
            rest_.remove_prefix(1);
            ++count;
        }
        return count;
    }

    std::string_view rest_;
    std::string_view separator_;
    std::string normalised_;
    bool negative_ = false;
};

/// True when the normalised number ("123.4e-5") is below 1 in magnitude, worked out from
/// where its first significant digit stands, so that it holds beyond a double's range too.
/// The exponent saturates: past a double's range only its sign matters.
bool below_one(std::string_view normalised) {
    const std::size_t e = std::min(normalised.find('e'), normalised.size());
    const std::string_view mantissa = normalised.substr(0, e);
    std::string_view exponent_digits = normalised.substr(std::min(e + 1, normalised.size()));
    const bool exponent_negative = exponent_digits.starts_with('-');
    if (exponent_negative) {
        exponent_digits.remove_prefix(1);
    }
    std::int64_t exponent = 0;
    for (const char digit : exponent_digits) {
        exponent = std::min<std::int64_t>(exponent * 10 + (digit - '0'), 1'000'000'000'000);
    }
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return true;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    // Integer digits from the first significant one; or, after the point, minus the zeros
    // that lead the fraction.
    const std::int64_t order = first < point ? static_cast<std::int64_t>(point - first)
                                             : -static_cast<std::int64_t>(first - point - 1);
    return order + (exponent_negative ? -exponent : exponent) <= 0;
}

struct variant_converter {
    std::string_view separator;

    std::int32_t operator()(empty_value) const { return 0; }
    std::int32_t operator()(null_value) const { throw conversion_error("Null"); }
    std::int32_t operator()(bool v) const { return v ? -1 : 0; }
    std::int32_t operator()(std::uint8_t v) const { return v; }
    std::int32_t operator()(std::int16_t v) const { return v; }
    std::int32_t operator()(std::int32_t v) const { return v; }
    std::int32_t operator()(float v) const { return round_to_int32(v); }
    std::int32_t operator()(double v) const { return round_to_int32(v); }
    std::int32_t operator()(const std::string& v) const { return text_to_int32(v, separator); }
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

std::int32_t text_to_int32(std::string_view text, std::string_view decimal_separator) {
    number_scanner scanner(trim_blanks(text), decimal_separator);
    if (!scanner.scan()) {
        throw conversion_error(std::string(text));
    }
    const std::string& digits = scanner.normalised();
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                              magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too small to matter rounds to 0; too large cannot be an integer of 32 bits. Which
        // one it is depends on the digits and the exponent together: 1e-400 is tiny, but so
        // is 0.000...1 with no exponent at all, and 1000...0e-1 is huge.
        if (below_one(digits)) {
            return 0;
        }
        throw overflow_error("conversion of '" + std::string(text) + "' to a 32-bit integer");
    }
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        throw conversion_error(std::string(text));
    }
    return round_to_int32(scanner.negative() ? -magnitude : magnitude);
}

std::int32_t to_int32(const port_value& value, std::string_view decimal_separator) {
    return std::visit(variant_converter{decimal_separator}, value);
}

}  // namespace helio
