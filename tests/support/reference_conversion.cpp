// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/reference_conversion.h"

#include <algorithm>
#include <optional>
#include <string>

namespace helio::test {

namespace {

using kind = reference_number::kind;

/// Exponents are only ever compared with a few dozen; past this they are all "huge".
constexpr std::int64_t exponent_cap = 1'000'000'000'000;

/// The pieces of a well-formed number, still as text.
struct number_text {
    bool negative = false;
    std::string integer_digits;
    std::string fraction_digits;
    bool exponent_negative = false;
    std::string exponent_digits;
};

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

/// Reads a well-formed number from left to right, one piece of the rule at a time.
class piece_reader {
  public:
    explicit piece_reader(std::string_view text) : rest_(text) {}

    bool at_end() const { return rest_.empty(); }

    bool take(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    /// An optional sign; true when it is a minus.
    bool minus_sign() {
        if (take("+")) {
            return false;
        }
        return take("-");
    }

    std::string digits() {
        const auto count = static_cast<std::size_t>(
            std::find_if_not(rest_.begin(), rest_.end(), is_digit) - rest_.begin());
        std::string run(rest_.substr(0, count));
        rest_.remove_prefix(count);
        return run;
    }

  private:
    std::string_view rest_;
};

std::string_view without_blanks_around(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<number_text> split(std::string_view text, std::string_view separator) {
    piece_reader reader(without_blanks_around(text));
    number_text number;
    number.negative = reader.minus_sign();
    number.integer_digits = reader.digits();
    if (reader.take(separator)) {
        number.fraction_digits = reader.digits();
    }
    if (number.integer_digits.empty() && number.fraction_digits.empty()) {
        return std::nullopt;
    }
    if (reader.take("e") || reader.take("E")) {
        number.exponent_negative = reader.minus_sign();
        number.exponent_digits = reader.digits();
        if (number.exponent_digits.empty()) {
            return std::nullopt;
        }
    }
    if (!reader.at_end()) {
        return std::nullopt;
    }
    return number;
}

std::int64_t capped_exponent(const number_text& number) {
    std::int64_t exponent = 0;
    for (const char digit : number.exponent_digits) {
        exponent = std::min(exponent * 10 + (digit - '0'), exponent_cap);
    }
    return number.exponent_negative ? -exponent : exponent;
}

enum class against_half { below, exactly, above };

/// Where the digits `fraction` (read as 0.fraction) stand against one half.
against_half compare_with_half(std::string_view fraction) {
    if (fraction.empty() || fraction.front() < '5') {
        return against_half::below;
    }
    if (fraction.front() > '5') {
        return against_half::above;
    }
    return fraction.find_first_not_of('0', 1) == std::string_view::npos ? against_half::exactly
                                                                        : against_half::above;
}

reference_number evaluate(const number_text& number) {
    const std::string mantissa = number.integer_digits + number.fraction_digits;
    const auto first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) {
        return {kind::integer, 0, 0};
    }
    const std::string digits = mantissa.substr(first, mantissa.find_last_not_of('0') + 1 - first);
    // The decimal point stands `point` digits after the first significant one.
    const std::int64_t point = static_cast<std::int64_t>(number.integer_digits.size()) -
                               static_cast<std::int64_t>(first) + capped_exponent(number);
    if (point > 10) {
        return {kind::out_of_range, 0, digits.size()};  // at least 10^10
    }
    std::int64_t whole = 0;
    for (std::int64_t i = 0; i < point; ++i) {
        const auto at = static_cast<std::size_t>(i);
        whole = whole * 10 + (at < digits.size() ? digits[at] - '0' : 0);
    }
    const std::string_view fraction = point < 0
                                          ? std::string_view("0")  // below one tenth
                                          : std::string_view(digits).substr(std::min(
                                                static_cast<std::size_t>(point), digits.size()));
    const against_half half = compare_with_half(fraction);
    if (half == against_half::above || (half == against_half::exactly && whole % 2 == 1)) {
        ++whole;
    }
    const std::int64_t value = number.negative ? -whole : whole;
    if (value < INT32_MIN || value > INT32_MAX) {
        return {kind::out_of_range, 0, digits.size()};
    }
    return {kind::integer, value, digits.size()};
}

}  // namespace

reference_number reference_conversion(std::string_view text, std::string_view separator) {
    const std::optional<number_text> number = split(text, separator);
    if (!number) {
        return {};
    }
    return evaluate(*number);
}

}  // namespace helio::test
