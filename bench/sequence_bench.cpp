// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Each button's press on the simulated heliograph with instant mechanisms. The port
// accesses it makes are counted once, in a run of their own, and reported as counters so
// that bench/run can set the handler against the sum of those accesses measured alone.
#include <benchmark/benchmark.h>

#include <string_view>

#include "simulated_console.h"

namespace helio::bench {
namespace {

using sim::mirror_place;

/// Counts what a press does on the lines.
class access_counter final : public event_listener {
  public:
    void on_event(const instrument_event& event) override {
        if (event.kind == event_kind::written) {
            ++writes;
        } else if (event.kind == event_kind::read) {
            ++reads;
        } else if (event.kind == event_kind::spun) {
            spins += event.value;
        }
    }

    int writes = 0;
    int reads = 0;
    int spins = 0;  ///< in units of spin_delay(1)
};

/// Puts the mirror where a handler's sequence starts from; instant, like every move here.
/// Before each run it costs one clock reading, next to a sequence of microseconds.
using preparation = void (*)(sim::heliograph_controller&);

void nothing_to_prepare(sim::heliograph_controller& /*controller*/) {}
void mirror_at_ccd(sim::heliograph_controller& controller) {
    controller.mirror().move_to(mirror_place::ccd, clock::duration::zero());
}
void mirror_at_sighting(sim::heliograph_controller& controller) {
    controller.mirror().move_to(mirror_place::sighting, clock::duration::zero());
}

struct start_state {
    preparation once = nothing_to_prepare;
    preparation before_each_run = nothing_to_prepare;
    std::string_view consigne = "";
};

void button(benchmark::State& state, std::string_view control, start_state start) {
    simulated_console console;
    console.controller.set_travel_scale(0);
    console.model.Text1_Change(start.consigne);
    start.once(console.controller);

    access_counter counted;
    start.before_each_run(console.controller);
    console.device.add_listener(counted);
    console.model.press(control);
    console.device.remove_listener(counted);

    for (auto _ : state) {
        start.before_each_run(console.controller);
        console.model.press(control);
    }
    if (!console.controller.violations().clean()) {
        state.SkipWithError("the simulated controller saw a protocol breach");
    }
    state.counters["writes"] = counted.writes;
    state.counters["reads"] = counted.reads;
    state.counters["spins"] = counted.spins;
}

const start_state from_ccd{.before_each_run = mirror_at_ccd};
const start_state from_sighting{.before_each_run = mirror_at_sighting};
const start_state as_it_is{};

BENCHMARK_CAPTURE(button, Command1_VISEE, "Command1", from_ccd);
BENCHMARK_CAPTURE(button, Command1_VISEE_already_there, "Command1",
                  start_state{.once = mirror_at_sighting});
BENCHMARK_CAPTURE(button, Command2_CCD, "Command2", from_sighting);
BENCHMARK_CAPTURE(button, Command3_POUSSOIR, "Command3", from_ccd);
BENCHMARK_CAPTURE(button, Command4_blades_minus_10, "Command4", as_it_is);
BENCHMARK_CAPTURE(button, Command5_blades_plus_10, "Command5", as_it_is);
BENCHMARK_CAPTURE(button, Command6_blades_centre, "Command6", as_it_is);
BENCHMARK_CAPTURE(button, Command7_blades_minus_5, "Command7", as_it_is);
BENCHMARK_CAPTURE(button, Command8_blades_plus_5, "Command8", as_it_is);
BENCHMARK_CAPTURE(button, Command9_INIT, "Command9", as_it_is);
BENCHMARK_CAPTURE(button, Command10_GO_178, "Command10", start_state{.consigne = "178"});

}  // namespace
}  // namespace helio::bench
