// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sequences/blade_positioning.h"
#include "sequences/sequence_context.h"
#include "ttl/errors.h"

namespace helio {

/// The typed setpoint entry is not a number (or not one a 32-bit integer can hold).
class entry_error : public conversion_error {
  public:
    explicit entry_error(std::string entry) : conversion_error(std::move(entry)) {}
};

/// The setpoint codes GO accepts: entry i (1 to 21) holds the code of position i - 11;
/// entry 0 is never searched.
inline constexpr std::array<std::int32_t, 22> go_table = [] {
    std::array<std::int32_t, 22> table{};
    for (std::size_t i = 0; i < setpoint_table.size(); ++i) {
        table[i + 1] = setpoint_table[i];
    }
    return table;
}();

/// The blade position whose code is `code`, searching entries 1 to 21 in order.
std::optional<std::int32_t> position_of_code(std::int32_t code);

/// The typed text as an integer: blanks around it allowed, a fraction rounded half to even.
/// entry_error when it is not a number.
std::int32_t convert_consigne(std::string_view consigne, std::string_view decimal_separator);

/// "GO": moves the blades to the typed code and logs "Consigne = " with it, or logs
/// "Consigne invalide" when the code is not one of the 21.
void go(sequence_context& context, std::string_view consigne);

/// GO's move once the entry is a number: the same move, the same lines.
void go_to_code(sequence_context& context, std::int32_t code);

}  // namespace helio
