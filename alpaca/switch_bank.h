// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include "alpaca/device_member.h"

namespace helio::alpaca {

/// Switch 0: one switch per function of the buttons above the blades.
///   0  the two-position mirror: false at the sighting stop (VISEE), true at the CCD stop
///   1  the pusher (POUSSOIR), momentary: true runs the sequence, interlock included
///   2  the operator's sighting button (input bit 0), read only
///   3  INIT TTL output, momentary: true writes 0 to the outputs
/// A state is read from the input lines: one read between sequences, or during one the
/// value of its latest read.
served_device switch_bank(device_context& context);

}  // namespace helio::alpaca
