// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// One port access with the panel's line monitor listening, as the console runs: a read
// that only grows the count of a run (what a wait does hundreds of thousands of times a
// second), and a write, which always makes a timestamped transcript entry.
#include <benchmark/benchmark.h>

#include "console/line_monitor.h"
#include "simulated_console.h"

namespace helio::bench {
namespace {

void write_output_watched(benchmark::State& state) {
    simulated_console console;
    const line_monitor monitor(console.device);
    for (auto _ : state) {
        console.port.write_output(0);
    }
}
BENCHMARK(write_output_watched);

void get_ttl_watched(benchmark::State& state) {
    simulated_console console;
    const line_monitor monitor(console.device);
    for (auto _ : state) {
        benchmark::DoNotOptimize(console.port.get_ttl());
    }
}
BENCHMARK(get_ttl_watched);

}  // namespace
}  // namespace helio::bench
