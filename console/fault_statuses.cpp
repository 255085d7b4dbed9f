// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/fault_statuses.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

namespace helio {

namespace {

constexpr std::size_t most_hex_digits = 8;

std::string_view first_word(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto begin = std::ranges::find_if_not(text, blank);
    const auto end = std::find_if(begin, text.end(), blank);
    return text.substr(static_cast<std::size_t>(begin - text.begin()),
                       static_cast<std::size_t>(end - begin));
}

bool same_letters(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

std::optional<std::uint32_t> hexadecimal(std::string_view word) {
    if (word.starts_with("0x") || word.starts_with("0X")) {
        word.remove_prefix(2);
    }
    if (word.empty() || word.size() > most_hex_digits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (error != std::errc{} || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string status_choice_text(const named_status& status) {
    return status_hex(status.code) + " " + std::string(status.name) + " (" +
           std::string(status.meaning) + ")";
}

std::optional<status_code> parse_failure_status(std::string_view text) {
    const std::string_view word = first_word(text);
    for (const named_status& status : fault_statuses) {
        if (same_letters(word, status.name)) {
            return status.code;
        }
    }
    const std::optional<std::uint32_t> value = hexadecimal(word);
    if (!value || !failed(static_cast<status_code>(*value))) {
        return std::nullopt;
    }
    return static_cast<status_code>(*value);
}

}  // namespace helio
