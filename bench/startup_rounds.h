// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <vector>

#include "json_list.h"

namespace helio::bench {

/// What one start of a program showed: the time to the end of its first window's first
/// paint, the process's peak memory, and that window's title (UTF-8).
struct start_figures {
    double first_paint_ms = 0;
    long long peak_memory_kib = 0;
    std::string window;
};

/// A program's starts, but for the first round.
struct program_starts {
    std::string window;
    std::vector<double> first_paint_ms;
    std::vector<long long> peak_memory_kib;
};

/// Starts every program of `programs` (each has a `name`) with `start_once`, taking turns
/// between them, `rounds` times after a first round that warms the caches and is left out.
template <class Program, class StartOnce>
std::map<std::string, program_starts> starts_in_turns(const std::vector<Program>& programs,
                                                      int rounds, StartOnce start_once) {
    std::map<std::string, program_starts> starts;
    for (int round = 0; round <= rounds; ++round) {
        for (const Program& target : programs) {
            const start_figures figures = start_once(target);
            if (round == 0) {
                continue;
            }
            program_starts& kept = starts[target.name];
            kept.window = figures.window;
            kept.first_paint_ms.push_back(figures.first_paint_ms);
            kept.peak_memory_kib.push_back(figures.peak_memory_kib);
        }
    }
    return starts;
}

/// The starts as the JSON object bench/report.py reads, one member a program in the order
/// given, the peak memory under `memory_key`.
template <class Program>
std::string starts_json(const std::vector<Program>& programs,
                        const std::map<std::string, program_starts>& starts,
                        const std::string& memory_key) {
    std::string json = "{\n";
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const program_starts& measured = starts.at(programs[i].name);
        json += "  \"" + programs[i].name + "\": {\"window\": \"" + measured.window +
                "\", \"first_paint_ms\": " + json_list(measured.first_paint_ms) + ", \"" +
                memory_key + "\": " + json_list(measured.peak_memory_kib) + "}" +
                (i + 1 < programs.size() ? "," : "") + "\n";
    }
    return json + "}\n";
}

}  // namespace helio::bench
