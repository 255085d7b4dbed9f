// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>

#include "console/line_monitor.h"
#include "console/panel_presenter.h"
#include "console/panel_texts.h"
#include "console/virtual_instrument.h"
#include "support/simulated_console.h"

namespace helio::test {

/// The maintainer's panel's presenter over the console on the simulated heliograph, whose
/// clock moves 50 µs at every reading, so that a mirror's 1.5 s travel takes a few thousand
/// reads: what both panel views draw, and what the presenter's own tests look at.
struct simulated_panel {
    explicit simulated_panel(std::size_t transcript_capacity = line_monitor::default_capacity)
        : monitor(sim->model, transcript_capacity) {}

    std::unique_ptr<simulated_console> sim = make_sim().step(std::chrono::microseconds(50)).build();
    line_monitor monitor;
    virtual_instrument instrument{sim->factory};
    panel_presenter presenter{sim->model, monitor, &instrument, panel_titles::simulator};
};

}  // namespace helio::test
