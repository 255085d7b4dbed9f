// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// One port access with the panel listening and a VCD recording made (--vcd), to a file:
// a write that changes the lines each time, so that every one is recorded (against the same
// writes with the panel alone listening), and a read of the same input again, what a wait
// does hundreds of thousands of times a second.
#include <benchmark/benchmark.h>

#include <fstream>

#include "console/line_monitor.h"
#include "console/vcd_writer.h"
#include "simulated_console.h"

namespace helio::bench {
namespace {

/// The panel listening, as in the console.
struct watched_console : simulated_console {
    const line_monitor monitor{device};
};

struct recorded_console : simulated_console {
    const line_monitor monitor{device};
    std::ofstream file{"/dev/null"};
    vcd_writer vcd{file, device, {.program = "bench", .date = "now"}};
};

/// Code 8 on the lines and off again: each write a change, for the simulated controller too.
template <class Console>
void write_changing_output(benchmark::State& state) {
    Console console;
    std::int32_t value = 0;
    for (auto _ : state) {
        value ^= 8;
        console.port.write_output(value);
    }
}
BENCHMARK(write_changing_output<watched_console>)->Name("write_output_changing_watched");
BENCHMARK(write_changing_output<recorded_console>)->Name("write_output_recorded");

void get_ttl_recorded(benchmark::State& state) {
    recorded_console console;
    for (auto _ : state) {
        benchmark::DoNotOptimize(console.port.get_ttl());
    }
}
BENCHMARK(get_ttl_recorded);

}  // namespace
}  // namespace helio::bench
