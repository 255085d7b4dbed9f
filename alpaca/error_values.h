// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

namespace helio::alpaca {

/// The Value that an error answer of the GET member `member` carries, for the clients that
/// read one whatever the ErrorNumber: the empty value of the member's type (0, 0.0, false,
/// "", []); null for a member of no value.
nlohmann::json value_of_error(std::string_view member);

}  // namespace helio::alpaca
