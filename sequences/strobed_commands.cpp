// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/strobed_commands.h"

#include <string>
#include <string_view>

#include "sequences/messages.h"
#include "sequences/status_wait.h"
#include "ttl/basic_conversion.h"
#include "ttl/protocol.h"

namespace helio {

namespace {

/// One of the mirror's two stops: the command that sends it there, the status bit that
/// says it arrived, and the line the operator reads afterwards.
struct mirror_stop {
    std::int32_t command;
    status_wait arrival;
    std::string_view message;
};

constexpr mirror_stop sighting_stop{protocol::command_sighting, sighting_arrival,
                                    messages::sighting_positioned};

constexpr mirror_stop ccd_stop{protocol::command_ccd,
                               {"miroir (position CCD)", protocol::status_ccd_position, 2},
                               messages::ccd_positioned};

void position_mirror(sequence_context& context, const mirror_stop& stop) {
    if (!status_set(context.port.get_ttl(), stop.arrival.status_value)) {
        pulse_command(context.port, stop.command, protocol::strobe_b);
        wait_for_status(context, stop.arrival);
    }
    context.log_line(std::string(stop.message));
}

}  // namespace

void pulse_command(port_access& port, std::int32_t code, std::int32_t strobe) {
    port.write_output(code);
    port.write_output(checked_add(code, strobe));
    port.spin_delay(1);
    port.write_output(code);
    port.write_output(0);
}

void position_visee(sequence_context& context) {
    position_mirror(context, sighting_stop);
}

void position_ccd(sequence_context& context) {
    position_mirror(context, ccd_stop);
}

pusher_result actuate_pusher(sequence_context& context) {
    if (!status_set(context.port.get_ttl(), protocol::status_sighting_button)) {
        context.log_line(std::string(messages::sighting_button_inactive));
        return pusher_result::refused;
    }
    context.log_line(std::string(messages::sighting_button_active));
    position_visee(context);
    pulse_command(context.port, protocol::command_pusher, protocol::strobe_b);
    return pusher_result::actuated;
}

}  // namespace helio
