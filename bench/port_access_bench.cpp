// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// One port access through port_access (a fresh instance per access, observers told) against
// its floor: the same call made on one simulated instance held through its interface.
#include <benchmark/benchmark.h>

#include <memory>

#include "simulated_console.h"
#include "ttl/ttl_port.h"

namespace helio::bench {
namespace {

/// One instance of the simulated component, made once and kept; the optimiser is told
/// nothing of which one it is.
std::unique_ptr<io_component> held_instance(simulated_console& console) {
    std::unique_ptr<io_component> instance;
    if (failed(console.factory.create_instance(instance))) {
        throw io_error(0, "create_instance", "the simulated component refused");
    }
    io_component* held = instance.get();
    benchmark::DoNotOptimize(held);
    return instance;
}

void floor_write_port(benchmark::State& state) {
    simulated_console console;
    const auto instance = held_instance(console);
    for (auto _ : state) {
        std::int32_t value = 0;
        std::int32_t status = 0;
        benchmark::DoNotOptimize(instance->WritePort(ttl_port_number, value, status));
    }
}
BENCHMARK(floor_write_port);

void write_output(benchmark::State& state) {
    simulated_console console;
    for (auto _ : state) {
        console.port.write_output(0);
    }
}
BENCHMARK(write_output);

void floor_read_port(benchmark::State& state) {
    simulated_console console;
    const auto instance = held_instance(console);
    for (auto _ : state) {
        std::int32_t aux = 0;
        port_value value;
        benchmark::DoNotOptimize(instance->ReadPort(ttl_port_number, aux, value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(floor_read_port);

void get_ttl(benchmark::State& state) {
    simulated_console console;
    for (auto _ : state) {
        benchmark::DoNotOptimize(console.port.get_ttl());
    }
}
BENCHMARK(get_ttl);

/// The strobe width: spin_delay(count) as the sequences call it, for counts 1 to 1000.
void spin_delay(benchmark::State& state) {
    simulated_console console;
    const auto count = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        console.port.spin_delay(count);
    }
}
BENCHMARK(spin_delay)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace helio::bench
