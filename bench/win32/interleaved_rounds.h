// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace helio::bench {

/// One kind of access to time: `run(count)` makes `count` of them back to back.
struct timed_case {
    std::string name;
    std::function<void(std::int64_t count)> run;
};

/// Wall-clock time per access, in ns, of `count` accesses made by `timed`.
double time_per_access(const timed_case& timed, std::int64_t count);

/// How many accesses of `timed` take about `seconds` when the machine is quiet.
std::int64_t accesses_lasting(const timed_case& timed, double seconds);

/// Runs the cases in turn, `count` accesses at a time, for at least `seconds`.
void warm_up(const std::vector<timed_case>& cases, double seconds, std::int64_t count);

/// Times every case `rounds` times, case i `counts[i]` accesses at a time. Each round runs
/// every case once, starting one case further on than the round before, so that a
/// disturbance of the machine (or of Wine's server) that lasts a round falls on every case
/// alike. Hands back, per case and in the order given, its time per access in each round.
std::vector<std::vector<double>> time_in_rounds(const std::vector<timed_case>& cases, int rounds,
                                                const std::vector<std::int64_t>& counts);

/// The median of `values` (the mean of the middle two for an even count).
double median(std::vector<double> values);

}  // namespace helio::bench
