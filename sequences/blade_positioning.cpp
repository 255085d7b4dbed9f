// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/blade_positioning.h"

#include <charconv>

#include "sequences/messages.h"
#include "sequences/status_wait.h"
#include "ttl/basic_conversion.h"
#include "ttl/protocol.h"

namespace helio {

namespace {

constexpr status_wait blades_arrival{"lames", protocol::status_blades_in_position, 3};

/// One half of the setpoint: the field presented, latched by `strobe`, then held while the
/// strobe drops. The halves follow each other with no release of the lines between them.
void send_setpoint_half(port_access& port, std::int32_t field, std::int32_t strobe) {
    port.write_output(field);
    port.write_output(checked_add(field, strobe));
    port.spin_delay(1);
    port.write_output(field);
}

}  // namespace

std::int32_t move_blades(sequence_context& context, std::int32_t position) {
    const std::int32_t setpoint = get_consigne(position);
    context.tell({.kind = event_kind::blades_moving, .value = position});
    context.log_line(std::string(messages::setpoint_prefix) + std::to_string(setpoint));

    const std::int32_t low = checked_multiply(setpoint & protocol::setpoint_low_mask,
                                              protocol::setpoint_low_shift_factor);
    send_setpoint_half(context.port, low, protocol::both_strobes);
    const std::int32_t high = setpoint & protocol::setpoint_high_mask;
    send_setpoint_half(context.port, high, protocol::strobe_a);
    context.port.write_output(0);

    wait_for_status(context, blades_arrival);
    context.tell({.kind = event_kind::blades_arrived, .value = position});
    context.log_line(arrival_message(position, context.decimal_separator));
    return setpoint;
}

std::string arrival_message(std::int32_t position, std::string_view decimal_separator) {
    if (position == 0) {
        return std::string(messages::blades_at_line_centre);
    }
    const auto angstroms = static_cast<float>(static_cast<double>(position) / 10.0);
    const std::string_view prefix =
        position > 0 ? messages::blades_above_prefix : messages::blades_below_prefix;
    return std::string(prefix) + shortest_decimal(angstroms, decimal_separator) +
           std::string(messages::angstrom_suffix);
}

std::string shortest_decimal(float value, std::string_view decimal_separator) {
    char digits[32];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    std::string text(digits, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimal_separator);
    }
    return text;
}

}  // namespace helio
