// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/form_fields.h"

#include <charconv>

namespace helio::alpaca {

namespace {

std::optional<std::string> decode(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] != '%') {
            decoded += text[i];
        } else {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            unsigned byte = 0;
            const char* escape = text.data() + i + 1;
            if (std::from_chars(escape, escape + 2, byte, 16).ptr != escape + 2) {
                return std::nullopt;
            }
            decoded += static_cast<char>(byte);
            i += 2;
        }
    }
    return decoded;
}

}  // namespace

std::optional<std::vector<form_field>> parse_form(std::string_view text) {
    std::vector<form_field> fields;
    while (!text.empty()) {
        const std::size_t end = text.find('&');
        const std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (pair.empty()) {
            continue;
        }
        if (fields.size() == max_form_fields) {
            return std::nullopt;
        }
        const std::size_t equals = pair.find('=');
        std::optional<std::string> name = decode(pair.substr(0, equals));
        std::optional<std::string> value =
            decode(equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1));
        if (!name || !value) {
            return std::nullopt;
        }
        fields.push_back({std::move(*name), std::move(*value)});
    }
    return fields;
}

}  // namespace helio::alpaca
