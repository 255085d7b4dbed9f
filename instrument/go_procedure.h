// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sequences/sequence_context.h"
#include "ttl/errors.h"
#include "ttl/text_to_integer.h"

namespace helio {

/// The typed setpoint entry cannot be read as a 32-bit integer: it is no number, or a number
/// too large for one.
class entry_error : public heliograph_error {
  public:
    enum class reason { not_a_number, too_large };

    entry_error(std::string entry, reason why);

    /// The entry as typed, for the operator's message.
    const std::string& value_text() const noexcept { return entry_; }
    reason why() const noexcept { return why_; }

  private:
    std::string entry_;
    reason why_;
};

/// The typed text as an integer, read with the platform's conversion `numbers`; an
/// entry_error when it is not one.
std::int32_t convert_consigne(std::string_view consigne, const text_to_integer& numbers);

/// "GO": moves the blades to the typed code and logs "Consigne = " with it, or logs
/// "Consigne invalide" when the code is not one of the 21. The code sent, if any.
std::optional<std::int32_t> go(sequence_context& context, std::string_view consigne,
                               const text_to_integer& numbers);

/// GO's move once the entry is a number: the same move, the same lines.
std::optional<std::int32_t> go_to_code(sequence_context& context, std::int32_t code);

/// GO's move once the code is known to be the one of `position`: moves the blades there and
/// logs "Consigne = " with the code, which it returns.
std::int32_t go_to_position(sequence_context& context, std::int32_t position);

}  // namespace helio
