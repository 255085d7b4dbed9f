// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace helio::alpaca {

/// The machine has no identity to read: rather than UniqueIDs that would change from one
/// start to the next, the console then serves no Alpaca device.
class machine_identity_error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The identity the system keeps for this machine, read and never written: on Linux
/// /etc/machine-id (or D-Bus's copy of it), on Windows the MachineGuid of the 64-bit
/// registry, which a system image gets anew when it is deployed (and Wine per prefix).
/// Throws machine_identity_error if there is none.
std::string machine_identity();

}  // namespace helio::alpaca
