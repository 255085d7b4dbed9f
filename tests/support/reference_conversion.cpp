// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/reference_conversion.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace helio::test {

namespace {

/// Exponents are only ever compared with a few dozen; past this they are all "huge".
constexpr std::int64_t exponent_cap = 1'000'000'000'000;

/// The symbols a text is made of.
enum class symbol {
    digit,
    blank,
    plus,
    minus,
    open,
    close,
    currency,
    decimal_separator,
    thousands_separator,
    spacing_separator,  ///< a space where spaces separate thousands: blank or separator
    ampersand,
    letter,
    other
};

struct piece {
    symbol what;
    std::string_view text;
};

bool starts_with_any(std::string_view text, std::initializer_list<std::string_view> tokens,
                     std::string_view& found) {
    for (const std::string_view token : tokens) {
        if (!token.empty() && text.starts_with(token)) {
            found = token;
            return true;
        }
    }
    return false;
}

/// Cuts the text into symbols, the locale's own (which may take several bytes) first.
std::vector<piece> cut(std::string_view text, const number_format& format) {
    const bool spacing = format.thousands_separator == " " ||
                         format.thousands_separator == "\xC2\xA0" ||
                         format.thousands_separator == "\xE2\x80\xAF";
    std::vector<piece> pieces;
    while (!text.empty()) {
        std::string_view token;
        symbol what = symbol::other;
        if (spacing && starts_with_any(text, {" ", "\xC2\xA0", "\xE2\x80\xAF"}, token)) {
            what = symbol::spacing_separator;
        } else if (starts_with_any(text, {format.decimal_separator}, token)) {
            what = symbol::decimal_separator;
        } else if (starts_with_any(text, {format.thousands_separator}, token)) {
            what = symbol::thousands_separator;
        } else if (starts_with_any(text, {format.currency_symbol}, token)) {
            what = symbol::currency;
        } else {
            token = text.substr(0, 1);
            const char c = token.front();
            what = c >= '0' && c <= '9' ? symbol::digit
                   : std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos
                       ? symbol::blank
                   : c == '+'                                         ? symbol::plus
                   : c == '-'                                         ? symbol::minus
                   : c == '('                                         ? symbol::open
                   : c == ')'                                         ? symbol::close
                   : c == '&'                                         ? symbol::ampersand
                   : (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? symbol::letter
                                                                      : symbol::other;
        }
        pieces.push_back({what, token});
        text.remove_prefix(token.size());
    }
    return pieces;
}

bool is_blank(symbol s) {
    return s == symbol::blank || s == symbol::spacing_separator;
}
bool is_separator(symbol s) {
    return s == symbol::thousands_separator || s == symbol::spacing_separator;
}

/// The affixes met around the number.
struct affixes {
    bool plus = false;
    bool minus = false;
    bool currency = false;
    bool open = false;
    bool negative_after = false;
};

/// The number itself, still as digits.
struct number_text {
    int radix = 10;
    std::string integer_digits{};
    std::string fraction_digits{};
    bool exponent_negative = false;
    std::string exponent_digits{};
};

class piece_reader {
  public:
    explicit piece_reader(const std::vector<piece>& pieces) : pieces_(pieces) {}

    bool at_end() const { return at_ == pieces_.size(); }
    const piece& next() const { return pieces_[at_]; }
    bool next_is(symbol s) const { return !at_end() && next().what == s; }
    void skip() { ++at_; }
    bool next_letter_is(char upper) const {
        return next_is(symbol::letter) && (next().text.front() & ~0x20) == upper;
    }

  private:
    const std::vector<piece>& pieces_;
    std::size_t at_ = 0;
};

/// Marks `seen` and returns true if the next piece is `s` and was not seen yet.
bool once(piece_reader& reader, symbol s, bool& seen) {
    if (seen || !reader.next_is(s)) {
        return false;
    }
    seen = true;
    reader.skip();
    return true;
}

void read_prefix(piece_reader& reader, affixes& around) {
    while (!reader.at_end()) {
        if (is_blank(reader.next().what)) {
            reader.skip();
        } else if (!once(reader, symbol::plus, around.plus) &&
                   !once(reader, symbol::minus, around.minus) &&
                   !once(reader, symbol::currency, around.currency) &&
                   !once(reader, symbol::open, around.open)) {
            return;
        }
    }
}

int digit_value(char c) {
    const std::string_view digits = "0123456789abcdef";
    const auto at = digits.find(static_cast<char>(c | 0x20));
    return at == std::string_view::npos ? 99 : static_cast<int>(at);
}

std::optional<number_text> read_radix(piece_reader& reader, int radix) {
    number_text number{.radix = radix};
    while ((reader.next_is(symbol::digit) || reader.next_is(symbol::letter)) &&
           digit_value(reader.next().text.front()) < radix) {
        number.integer_digits += reader.next().text;
        reader.skip();
    }
    return number.integer_digits.empty() ? std::nullopt : std::optional(number);
}

std::optional<number_text> read_decimal(piece_reader& reader) {
    number_text number;
    bool point = false;
    while (!reader.at_end()) {
        const symbol s = reader.next().what;
        const bool started = !number.integer_digits.empty() || point;
        if (s == symbol::digit) {
            (point ? number.fraction_digits : number.integer_digits) += reader.next().text;
        } else if (s == symbol::decimal_separator && !point) {
            point = true;
        } else if (!(is_separator(s) && started)) {
            break;
        }
        reader.skip();
    }
    if (number.integer_digits.empty() && number.fraction_digits.empty()) {
        return std::nullopt;
    }
    if (reader.next_letter_is('E')) {
        reader.skip();
        if (reader.next_is(symbol::minus) || reader.next_is(symbol::plus)) {
            number.exponent_negative = reader.next_is(symbol::minus);
            reader.skip();
        }
        while (reader.next_is(symbol::digit)) {
            number.exponent_digits += reader.next().text;
            reader.skip();
        }
        if (number.exponent_digits.empty()) {
            return std::nullopt;
        }
    }
    return number;
}

std::optional<number_text> read_number(piece_reader& reader) {
    if (reader.next_is(symbol::ampersand)) {
        reader.skip();
        if (reader.next_letter_is('H') || reader.next_letter_is('O')) {
            const int radix = reader.next_letter_is('H') ? 16 : 8;
            reader.skip();
            return read_radix(reader, radix);
        }
        return std::nullopt;
    }
    return read_decimal(reader);
}

bool read_suffix(piece_reader& reader, affixes& around) {
    for (; !reader.at_end(); reader.skip()) {
        const symbol s = reader.next().what;
        if ((s == symbol::minus && !around.minus) || (s == symbol::close && around.open)) {
            around.negative_after = true;
        } else if (!(is_blank(s) || is_separator(s) || s == symbol::currency ||
                     (s == symbol::plus && !around.plus))) {
            return false;
        }
    }
    return true;
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

reading in_range(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) {
        return too_large;
    }
    return v(static_cast<std::int32_t>(value));
}

reading evaluate_radix(const number_text& number) {
    std::uint64_t value = 0;
    for (const char digit : number.integer_digits) {
        value = value * static_cast<std::uint64_t>(number.radix) +
                static_cast<std::uint64_t>(digit_value(digit));
        if (value > UINT32_MAX) {
            return too_large;
        }
    }
    return in_range(value > INT32_MAX ? static_cast<std::int64_t>(value) - (1LL << 32)
                                      : static_cast<std::int64_t>(value));
}

reading evaluate_decimal(const number_text& number, bool negative) {
    const std::string mantissa = number.integer_digits + number.fraction_digits;
    const auto first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) {
        return v(0);
    }
    const std::string digits = mantissa.substr(first, mantissa.find_last_not_of('0') + 1 - first);
    // The decimal point stands `point` digits after the first significant one.
    const std::int64_t point = static_cast<std::int64_t>(number.integer_digits.size()) -
                               static_cast<std::int64_t>(first) + capped_exponent(number);
    if (point > 10) {
        return too_large;  // at least 10^10
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
    return in_range(negative ? -whole : whole);
}

}  // namespace

reading reference_conversion(std::string_view text, const number_format& format) {
    const std::vector<piece> pieces = cut(text, format);
    piece_reader reader(pieces);
    affixes around;
    read_prefix(reader, around);
    const std::optional<number_text> number = read_number(reader);
    if (!number || !read_suffix(reader, around)) {
        return no_number;
    }
    const bool negative = around.minus || around.negative_after;
    if (around.open && !negative) {
        return no_number;
    }
    return number->radix == 10 ? evaluate_decimal(*number, negative) : evaluate_radix(*number);
}

}  // namespace helio::test
