// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Each button's handler on the simulated heliograph with instant mechanisms. The port
// accesses it makes are counted once, in a run of their own, and reported as counters so
// that bench/run can set the handler against the sum of those accesses measured alone.
#include <benchmark/benchmark.h>

#include <string_view>

#include "simulated_console.h"

namespace helio::bench {
namespace {

using sim::mirror_place;

/// Counts what a handler does on the lines.
class access_counter final : public port_observer {
  public:
    void output_written(std::int32_t /*value*/) override { ++writes; }
    void input_read(std::int32_t /*input_byte*/) override { ++reads; }
    void spun(std::int32_t count) override { spins += count; }

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

void button(benchmark::State& state, void (form1_model::*handler)(), start_state start) {
    simulated_console console;
    console.controller.set_travel_scale(0);
    console.model.Text1_Change(start.consigne);
    start.once(console.controller);

    access_counter counted;
    start.before_each_run(console.controller);
    console.port.add_observer(counted);
    (console.model.*handler)();
    console.port.remove_observer(counted);

    for (auto _ : state) {
        start.before_each_run(console.controller);
        (console.model.*handler)();
    }
    if (!console.controller.monitor().clean()) {
        state.SkipWithError("the simulated controller saw a protocol breach");
    }
    state.counters["writes"] = counted.writes;
    state.counters["reads"] = counted.reads;
    state.counters["spins"] = counted.spins;
}

const start_state from_ccd{.before_each_run = mirror_at_ccd};
const start_state from_sighting{.before_each_run = mirror_at_sighting};
const start_state as_it_is{};

BENCHMARK_CAPTURE(button, Command1_VISEE, &form1_model::Command1_Click, from_ccd);
BENCHMARK_CAPTURE(button, Command1_VISEE_already_there, &form1_model::Command1_Click,
                  start_state{.once = mirror_at_sighting});
BENCHMARK_CAPTURE(button, Command2_CCD, &form1_model::Command2_Click, from_sighting);
BENCHMARK_CAPTURE(button, Command3_POUSSOIR, &form1_model::Command3_Click, from_ccd);
BENCHMARK_CAPTURE(button, Command4_blades_minus_10, &form1_model::Command4_Click, as_it_is);
BENCHMARK_CAPTURE(button, Command5_blades_plus_10, &form1_model::Command5_Click, as_it_is);
BENCHMARK_CAPTURE(button, Command6_blades_centre, &form1_model::Command6_Click, as_it_is);
BENCHMARK_CAPTURE(button, Command7_blades_minus_5, &form1_model::Command7_Click, as_it_is);
BENCHMARK_CAPTURE(button, Command8_blades_plus_5, &form1_model::Command8_Click, as_it_is);
BENCHMARK_CAPTURE(button, Command9_INIT, &form1_model::Command9_Click, as_it_is);
BENCHMARK_CAPTURE(button, Command10_GO_178, &form1_model::Command10_Click,
                  start_state{.consigne = "178"});

}  // namespace
}  // namespace helio::bench
