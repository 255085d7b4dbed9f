// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "interleaved_rounds.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace helio::bench {

namespace {

std::int64_t performance_counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double counter_ticks_per_second() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
}

}  // namespace

double time_per_access(const timed_case& timed, std::int64_t count) {
    static const double ticks_per_ns = counter_ticks_per_second() / 1e9;
    const std::int64_t started = performance_counter();
    timed.run(count);
    const std::int64_t ended = performance_counter();
    return static_cast<double>(ended - started) / ticks_per_ns / static_cast<double>(count);
}

void warm_up(const std::vector<timed_case>& cases, double seconds, std::int64_t count) {
    const auto until =
        performance_counter() + static_cast<std::int64_t>(seconds * counter_ticks_per_second());
    while (performance_counter() < until) {
        for (const timed_case& timed : cases) {
            timed.run(count);
        }
    }
}

std::int64_t accesses_lasting(const timed_case& timed, double seconds) {
    const double wanted_ns = seconds * 1e9;
    // Doubled until a run is long enough to time, then timed a few times and sized by the
    // fastest: a slow moment of the machine at this point would otherwise make every sample
    // short, and short samples noisy.
    std::int64_t count = 1;
    while (time_per_access(timed, count) * static_cast<double>(count) < wanted_ns / 10) {
        count *= 2;
    }
    double fastest_ns = time_per_access(timed, count);
    for (int run = 1; run < 5; ++run) {
        fastest_ns = std::min(fastest_ns, time_per_access(timed, count));
    }
    return std::max<std::int64_t>(1, std::llround(wanted_ns / fastest_ns));
}

std::vector<std::vector<double>> time_in_rounds(const std::vector<timed_case>& cases, int rounds,
                                                const std::vector<std::int64_t>& counts) {
    if (cases.empty() || rounds < 1 || counts.size() != cases.size() ||
        std::ranges::any_of(counts, [](std::int64_t count) { return count < 1; })) {
        throw std::invalid_argument("nothing to time");
    }
    std::vector<std::vector<double>> times(cases.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t step = 0; step < cases.size(); ++step) {
            const std::size_t which = (static_cast<std::size_t>(round) + step) % cases.size();
            times[which].push_back(time_per_access(cases[which], counts[which]));
        }
    }
    return times;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        throw std::invalid_argument("the median of nothing");
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace helio::bench
