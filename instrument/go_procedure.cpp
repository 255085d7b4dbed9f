// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/go_procedure.h"

#include <utility>

#include "sequences/blade_positioning.h"
#include "sequences/messages.h"

namespace helio {

entry_error::entry_error(std::string entry, reason why)
    : heliograph_error("setpoint entry '" + entry + "' is " +
                       (why == reason::too_large ? "too large" : "not a number")),
      entry_(std::move(entry)),
      why_(why) {}

std::int32_t convert_consigne(std::string_view consigne, const text_to_integer& numbers) {
    try {
        return numbers.to_int32(consigne);
    } catch (const conversion_error&) {
        throw entry_error(std::string(consigne), entry_error::reason::not_a_number);
    } catch (const overflow_error&) {
        throw entry_error(std::string(consigne), entry_error::reason::too_large);
    }
}

std::optional<std::int32_t> go(sequence_context& context, std::string_view consigne,
                               const text_to_integer& numbers) {
    return go_to_code(context, convert_consigne(consigne, numbers));
}

std::optional<std::int32_t> go_to_code(sequence_context& context, std::int32_t code) {
    const std::optional<std::int32_t> position = position_of_code(code);
    if (!position) {
        context.log_line(std::string(messages::invalid_setpoint));
        return std::nullopt;
    }
    return go_to_position(context, *position);
}

std::int32_t go_to_position(sequence_context& context, std::int32_t position) {
    const std::int32_t code = move_blades(context, position);
    context.log_line(std::string(messages::setpoint_done_prefix) + std::to_string(code));
    return code;
}

}  // namespace helio
