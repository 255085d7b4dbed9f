// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace helio::alpaca {

/// One name=value pair of a query string or of a form body, decoded.
struct form_field {
    std::string name;
    std::string value;
};

/// More pairs than any request of ours needs; a request with more is refused.
inline constexpr std::size_t max_form_fields = 32;

/// Decodes application/x-www-form-urlencoded text ("Id=0&State=True"): '+' stands for a
/// blank, %XX for the byte XX, a pair without '=' has an empty value, empty pairs are
/// skipped. Nothing when an escape is broken or there are more than max_form_fields pairs.
std::optional<std::vector<form_field>> parse_form(std::string_view text);

}  // namespace helio::alpaca
