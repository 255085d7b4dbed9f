// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/machine_identity.h"

#include <fstream>

namespace helio::alpaca {

std::string machine_identity() {
    // systemd writes the first at installation; D-Bus keeps the same value in the second
    // where systemd does not run.
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        std::ifstream file(path);
        std::string identity;
        if (file >> identity && !identity.empty()) {
            return identity;
        }
    }
    throw machine_identity_error(
        "cannot read this machine's identity in /etc/machine-id: the Alpaca devices would "
        "have no lasting UniqueID (systemd-machine-id-setup writes one)");
}

}  // namespace helio::alpaca
