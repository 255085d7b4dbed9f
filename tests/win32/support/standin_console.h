// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include "console/form1_model.h"
#include "instrument/instrument.h"
#include "standin/standin_library.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"
#include "ttl/win32/com_io_component.h"

namespace helio::test {

/// The instrument and Form1's model on the registered stand-in I/O component, reached as
/// COM reaches it, on the machine's clock: the console as it runs on the instrument PC.
struct standin_console {
    standin_library standin;
    steady_clock_source time;
    win32::com_io_factory factory;
    port_access port{factory};
    instrument device{port, time, "."};
    form1_model model{device};
};

}  // namespace helio::test
