// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include "alpaca/device_member.h"

namespace helio::alpaca {

/// Switch 0: the latched states of the buttons above the blades, each read back.
///   0  the two-position mirror: false at the sighting stop (VISEE), true at the CCD stop
///   1  the operator's sighting button (input bit 0), read only
/// and, as Actions, the buttons that leave no state to read back: Poussoir (the pusher, its
/// interlock included) and InitSortiesTTL (INIT TTL output: 0 written to the outputs).
/// A state is read from the input lines: one read between sequences, or during one the
/// value of its latest read.
served_device switch_bank(device_context& context);

}  // namespace helio::alpaca
