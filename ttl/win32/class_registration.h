// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ttl/component_registration.h"

namespace helio::win32 {

/// Where the registry says the I/O component's in-process server is, for programs of this
/// one's bitness and, on a 64-bit Windows, for the other; whether that DLL's file is there.
/// Reads the registry only: nothing is loaded, no instance made, the port left alone.
component_registration look_up_component_registration();

}  // namespace helio::win32
