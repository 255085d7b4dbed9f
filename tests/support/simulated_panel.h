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
#include "sequences/status_wait.h"
#include "sequences/strobed_commands.h"
#include "support/simulated_console.h"

namespace helio::test {

/// The maintainer's panel's presenter over the console on the simulated heliograph, whose
/// clock moves 50 µs at every reading, so that a mirror's 1.5 s travel takes a few thousand
/// reads: what both panel views draw, and what the presenter's own tests look at.
struct simulated_panel {
    explicit simulated_panel(std::size_t transcript_capacity = line_monitor::default_capacity)
        : monitor(sim->device, transcript_capacity) {}

    /// The longest texts the panel's lines of state show: a mirror that never reached the
    /// sighting stop (its minute of waiting told at once), and the network server's line at
    /// the longest address it may have; and the widest chart of the timing view, the press of
    /// most changes (POUSSOIR after CCD, the sighting first).
    void show_longest_texts() {
        sim->controller.set_travel_scale(0.1);
        sim->model.press("Command2");
        sim->model.press("Command3");
        const instrument_event began{.kind = event_kind::wait_began,
                                     .value = sighting_arrival.bit,
                                     .text = sighting_arrival.mechanism};
        instrument_event ended = began;
        ended.kind = event_kind::wait_ended;
        ended.took = status_wait_limit;
        for (const instrument_event& event : {began, ended}) {
            monitor.on_event(event);
        }
        monitor.set_status_line("server",
                                "Serveur Alpaca : en service sur http://255.255.255.255:65535/ "
                                "(sans authentification)");
    }

    std::unique_ptr<simulated_console> sim = make_sim().step(std::chrono::microseconds(50)).build();
    line_monitor monitor;
    virtual_instrument instrument{sim->factory};
    panel_presenter presenter{sim->device, monitor, &instrument, panel_titles::simulator};
};

}  // namespace helio::test
