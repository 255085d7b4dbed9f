// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "sequences/sequence_context.h"
#include "sequences/status_wait.h"
#include "ttl/protocol.h"

namespace helio {

/// One strobed command: the code with both strobes low, the strobe raised, the strobe
/// width, the strobe dropped with the code still present, then every line released.
void pulse_command(port_access& port, std::int32_t code, std::int32_t strobe);

/// The mirror's wait for the sighting stop.
inline constexpr status_wait sighting_arrival{"miroir (position de visée)",
                                              protocol::status_sighting_position, 1};

/// "VISEE": sends the mirror to the sighting position unless it is there already, waits
/// for it, and logs "Visee positionnee".
void position_visee(sequence_context& context);

/// "CCD": the same towards the CCD position, logging "CCD positionnee".
void position_ccd(sequence_context& context);

/// What the pusher's sequence did.
enum class pusher_result {
    actuated,
    refused,  ///< the sighting button was inactive: nothing written
};

/// "POUSSOIR": refuses while the sighting button is inactive; otherwise brings the mirror
/// to the sighting position and pulses the pusher. The button is read once, at the start.
pusher_result actuate_pusher(sequence_context& context);

}  // namespace helio
