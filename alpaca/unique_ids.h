// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace helio::alpaca {

/// What sets this console's devices apart from every other console's: the machine it runs
/// on, and whether it serves the instrument or the simulator.
struct installation {
    std::string machine;  ///< the machine's own identity, as machine_identity() reads it
    bool simulated = false;
};

/// The UniqueID of the device of `device_type` ("FilterWheel") of `where`: a name-based UUID
/// (version 5, SHA-1) in lower case, so the same on every start and every version of the
/// console, and one a client cannot trace back to the machine's identity.
std::string unique_id(const installation& where, std::string_view device_type);

}  // namespace helio::alpaca
