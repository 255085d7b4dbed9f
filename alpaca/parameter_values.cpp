// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/parameter_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "alpaca/ascii_case.h"

namespace helio::alpaca {

namespace {

template <class Number>
std::optional<Number> parse_whole(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::uint32_t> parse_uint32(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        return std::nullopt;
    }
    return parse_whole<std::uint32_t>(text);
}

std::optional<std::int32_t> parse_int32(std::string_view text) {
    return parse_whole<std::int32_t>(text);
}

std::optional<bool> parse_bool(std::string_view text) {
    if (equal_ignoring_case(text, "true")) {
        return true;
    }
    if (equal_ignoring_case(text, "false")) {
        return false;
    }
    return std::nullopt;
}

std::optional<double> parse_double(std::string_view text) {
    // from_chars would take "inf" and "nan": only digits, signs, points and exponents here.
    if (!std::ranges::all_of(text, [](char c) {
            return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' ||
                   c == 'E';
        })) {
        return std::nullopt;
    }
    const std::optional<double> value = parse_whole<double>(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace helio::alpaca
