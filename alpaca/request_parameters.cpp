// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/request_parameters.h"

#include <algorithm>

#include "alpaca/ascii_case.h"

namespace helio::alpaca {

namespace {

bool same_name(std::string_view a, std::string_view b, name_matching matching) {
    return matching == name_matching::exact ? a == b : equal_ignoring_case(a, b);
}

}  // namespace

const std::string* request_parameters::find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        fields_, [&](const form_field& field) { return same_name(field.name, name, matching_); });
    return found == fields_.end() ? nullptr : &found->value;
}

}  // namespace helio::alpaca
