// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/go_procedure.h"

#include "sequences/messages.h"
#include "ttl/basic_conversion.h"

namespace helio {

std::optional<std::int32_t> position_of_code(std::int32_t code) {
    for (std::size_t i = 1; i < go_table.size(); ++i) {
        if (go_table[i] == code) {
            return static_cast<std::int32_t>(i) - 11;
        }
    }
    return std::nullopt;
}

std::int32_t convert_consigne(std::string_view consigne, std::string_view decimal_separator) {
    try {
        return text_to_int32(consigne, decimal_separator);
    } catch (const conversion_error&) {
        throw entry_error(std::string(consigne));
    } catch (const overflow_error&) {
        throw entry_error(std::string(consigne));
    }
}

void go(sequence_context& context, std::string_view consigne) {
    go_to_code(context, convert_consigne(consigne, context.decimal_separator));
}

void go_to_code(sequence_context& context, std::int32_t code) {
    const std::optional<std::int32_t> position = position_of_code(code);
    if (!position) {
        context.log.log_line(std::string(messages::invalid_setpoint));
        return;
    }
    move_blades(context, *position);
    context.log.log_line(std::string(messages::setpoint_done_prefix) + std::to_string(code));
}

}  // namespace helio
