// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/number_text.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "ttl/errors.h"

namespace helio {

namespace {

constexpr std::string_view no_break_space = "\xC2\xA0";
constexpr std::string_view narrow_no_break_space = "\xE2\x80\xAF";

/// Exponents only ever meet a few dozen digits; past this they are all alike.
constexpr std::int64_t exponent_cap = 1'000'000'000;

/// Ten digits before the point are already more than any 32-bit integer holds.
constexpr std::int64_t widest_integer = 10;

constexpr std::uint64_t widest_radix_value = std::numeric_limits<std::uint32_t>::max();

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int radix_digit(char c) {
    if (is_digit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool is_space_like(std::string_view separator) {
    return separator == " " || separator == no_break_space || separator == narrow_no_break_space;
}

/// A number as read from the text, before its value is worked out.
struct read_number {
    bool negative = false;
    bool any_digit = false;
    int radix = 10;
    /// Decimal: the digits from the first significant one; the value is 0.digits x 10^point.
    std::string digits;
    std::int64_t point = 0;
    /// Hexadecimal or octal: the value, which stops growing once past 32 bits.
    std::uint64_t radix_value = 0;
};

/// Reads the text from left to right: the signs and symbols before the number, the number,
/// the signs and symbols after it.
class number_reader {
  public:
    number_reader(std::string_view text, const number_format& format)
        : rest_(text), format_(format), spaces_group_(is_space_like(format.thousands_separator)) {}

    std::optional<read_number> read() {
        read_before();
        number_.negative = minus_;
        if (!read_body()) {
            return std::nullopt;
        }
        read_after();
        if (!rest_.empty() || !number_.any_digit || (parenthesis_ && !number_.negative)) {
            return std::nullopt;
        }
        return number_;
    }

  private:
    bool take(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    bool take_once(bool& taken, std::string_view token) {
        if (taken || !take(token)) {
            return false;
        }
        taken = true;
        return true;
    }

    bool take_blank() {
        if (!rest_.empty() && std::string_view(" \t\n\v\f\r").find(rest_.front()) != npos) {
            rest_.remove_prefix(1);
            return true;
        }
        return spaces_group_ && (take(no_break_space) || take(narrow_no_break_space));
    }

    bool take_thousands_separator() {
        if (spaces_group_) {
            return take(" ") || take(no_break_space) || take(narrow_no_break_space);
        }
        return take(format_.thousands_separator);
    }

    void read_before() {
        while (take_blank() || take_once(plus_, "+") || take_once(minus_, "-") ||
               take_once(currency_, format_.currency_symbol) || take_once(parenthesis_, "(")) {
        }
    }

    bool read_body() {
        if (take("&H") || take("&h")) {
            return read_radix_digits(16);
        }
        if (take("&O") || take("&o")) {
            return read_radix_digits(8);
        }
        return read_decimal();
    }

    bool read_radix_digits(int radix) {
        number_.radix = radix;
        for (; !rest_.empty(); rest_.remove_prefix(1)) {
            const int digit = radix_digit(rest_.front());
            if (digit < 0 || digit >= radix) {
                break;
            }
            number_.any_digit = true;
            if (number_.radix_value <= widest_radix_value) {
                number_.radix_value = number_.radix_value * static_cast<std::uint64_t>(radix) +
                                      static_cast<std::uint64_t>(digit);
            }
        }
        return true;
    }

    bool read_decimal() {
        bool after_separator = false;
        while (!rest_.empty()) {
            const char c = rest_.front();
            if (is_digit(c)) {
                add_decimal_digit(c, after_separator);
                rest_.remove_prefix(1);
            } else if (!after_separator && take(format_.decimal_separator)) {
                after_separator = true;
            } else if ((number_.any_digit || after_separator) && take_thousands_separator()) {
                continue;
            } else if (number_.any_digit && (c == 'e' || c == 'E')) {
                rest_.remove_prefix(1);
                return read_exponent();
            } else {
                break;
            }
        }
        return true;
    }

    void add_decimal_digit(char digit, bool after_separator) {
        number_.any_digit = true;
        if (number_.digits.empty() && digit == '0') {
            number_.point -= after_separator ? 1 : 0;  // a zero leading the fraction
            return;
        }
        number_.digits += digit;
        number_.point += after_separator ? 0 : 1;
    }

    bool read_exponent() {
        const bool negative = take("-");
        if (!negative) {
            take("+");
        }
        std::int64_t exponent = 0;
        bool any = false;
        for (; !rest_.empty() && is_digit(rest_.front()); rest_.remove_prefix(1)) {
            exponent = std::min(exponent * 10 + (rest_.front() - '0'), exponent_cap);
            any = true;
        }
        number_.point += negative ? -exponent : exponent;
        return any;
    }

    void read_after() {
        for (;;) {
            if (take_blank() || take_thousands_separator() || take(format_.currency_symbol) ||
                (!plus_ && take("+"))) {
                continue;
            }
            if ((!minus_ && take("-")) || (parenthesis_ && take(")"))) {
                number_.negative = true;
                continue;
            }
            return;
        }
    }

    static constexpr std::size_t npos = std::string_view::npos;

    std::string_view rest_;
    const number_format& format_;
    bool spaces_group_;
    bool plus_ = false;
    bool minus_ = false;
    bool currency_ = false;
    bool parenthesis_ = false;
    read_number number_;
};

/// Whether the digits after the point, read as 0.fraction, carry the whole part up:
/// above one half, or exactly one half onto an odd whole part.
bool rounds_up(std::string_view fraction, std::int64_t whole) {
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    if (fraction.front() > '5' || fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return true;
    }
    return whole % 2 != 0;
}

[[noreturn]] void too_large(std::string_view text) {
    throw overflow_error("conversion of '" + std::string(text) + "' to a 32-bit integer");
}

std::int32_t decimal_value(const read_number& number, std::string_view text) {
    if (number.digits.empty()) {
        return 0;
    }
    if (number.point > widest_integer) {
        too_large(text);
    }
    const std::string_view digits = number.digits;
    std::int64_t whole = 0;
    for (std::int64_t i = 0; i < number.point; ++i) {
        const auto at = static_cast<std::size_t>(i);
        whole = whole * 10 + (at < digits.size() ? digits[at] - '0' : 0);
    }
    // Below one tenth (point < 0) nothing can round up to one.
    const std::string_view fraction =
        number.point < 0
            ? std::string_view{}
            : digits.substr(std::min(static_cast<std::size_t>(number.point), digits.size()));
    whole += rounds_up(fraction, whole) ? 1 : 0;
    const std::int64_t value = number.negative ? -whole : whole;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        too_large(text);
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t radix_value(const read_number& number, std::string_view text) {
    if (number.radix_value > widest_radix_value) {
        too_large(text);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number.radix_value));
}

}  // namespace

std::int32_t text_to_int32(std::string_view text, const number_format& format) {
    const std::optional<read_number> number = number_reader(text, format).read();
    if (!number) {
        throw conversion_error(std::string(text));
    }
    return number->radix == 10 ? decimal_value(*number, text) : radix_value(*number, text);
}

}  // namespace helio
