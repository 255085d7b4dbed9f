// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// What watching the lines costs per port access: the same reads and writes on the
// simulated heliograph with nobody listening, and with the panel's line monitor attached.
// A wait reads back to back, so a read that only grows a run's count is the case that
// matters; a write always makes a new transcript entry.
#include <benchmark/benchmark.h>

#include <memory>

#include "console/form1_model.h"
#include "console/line_monitor.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"

namespace {

struct console_on_simulator {
    helio::steady_clock_source time;
    helio::sim::heliograph_controller controller{time};
    helio::sim::simulated_device device{controller};
    helio::ttl_lines lines{device};
    helio::form1_model model{lines, time, "."};
    std::unique_ptr<helio::line_monitor> monitor;

    explicit console_on_simulator(bool watched) {
        if (watched) {
            monitor = std::make_unique<helio::line_monitor>(model);
        }
    }
};

void read_input_lines(benchmark::State& state) {
    console_on_simulator console(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(console.lines.get_ttl());
    }
    state.SetLabel(state.range(0) != 0 ? "line monitor attached" : "nobody listening");
}

void write_output_lines(benchmark::State& state) {
    console_on_simulator console(state.range(0) != 0);
    std::int32_t value = 0;
    for (auto _ : state) {
        console.lines.write_output(value);
        value = (value + 8) & 0xF8;  // codes without strobes: no latching, no breach
    }
    state.SetLabel(state.range(0) != 0 ? "line monitor attached" : "nobody listening");
}

}  // namespace

BENCHMARK(read_input_lines)->Arg(0)->Arg(1);
BENCHMARK(write_output_lines)->Arg(0)->Arg(1);
BENCHMARK_MAIN();
