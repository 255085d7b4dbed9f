// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "app/command_line.h"

namespace helio {

/// What the console's port accesses reach.
enum class instrument_kind { real_device, simulator };

/// The simulated heliograph when the maintainer asks for it (--simulate) or when this
/// machine has no I/O component to reach the instrument with; the instrument otherwise.
instrument_kind choose_instrument(const console_options& options, bool io_component_available);

/// How the maintainer's panel comes up beside Form1.
struct panel_plan {
    bool open_at_start;             ///< shown as the console starts (otherwise on F12 only)
    bool shows_virtual_instrument;  ///< the simulator's state and switches
    std::string_view title;         ///< UTF-8
};

/// On the simulator the panel is there from the start and says loudly that it is a
/// simulation; on the instrument it is the line monitor alone, opened on demand.
panel_plan plan_panel(instrument_kind kind);

}  // namespace helio
