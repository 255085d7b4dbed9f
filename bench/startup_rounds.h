// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "json_list.h"

namespace helio::bench {

/// The end of one phase of a start, from the console's own start-up timeline.
struct phase_mark {
    std::string phase;
    double ms = 0;      ///< since the start of the run
    double cpu_ms = 0;  ///< the process's CPU time so far
    long long peak_kib = 0;
};

/// What one start of a program showed: the time to the end of its first window's first
/// paint, the process's CPU time then where it is known (negative otherwise), its peak
/// memory, that window's title (UTF-8), and the phases the program marked on the way.
struct start_figures {
    double first_paint_ms = 0;
    double cpu_ms = -1;
    long long peak_memory_kib = 0;
    std::string window;
    std::vector<phase_mark> phases;
};

/// A program's starts, but for the first round; a phase's figures by its name.
struct program_starts {
    std::string window;
    std::vector<double> first_paint_ms;
    std::vector<double> cpu_ms;
    std::vector<long long> peak_memory_kib;
    std::vector<std::string> phase_order;
    std::map<std::string, std::vector<double>> phase_ms, phase_cpu_ms, phase_peak_kib;
};

/// The marks a program wrote in `path` (see app/startup_timeline.h), timed from
/// `start_ns` on the same clock; none if it wrote none.
inline std::vector<phase_mark> read_marks(const std::string& path, double start_ns) {
    std::vector<phase_mark> marks;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string tag;
        phase_mark mark;
        double clock_ns = 0;
        double cpu_ns = 0;
        long long resident_kib = 0;
        if (fields >> tag >> mark.phase >> clock_ns >> cpu_ns >> resident_kib >> mark.peak_kib &&
            tag == "mark") {
            mark.ms = (clock_ns - start_ns) / 1e6;
            mark.cpu_ms = cpu_ns / 1e6;
            marks.push_back(mark);
        }
    }
    return marks;
}

/// Keeps one start's figures with the program's others.
inline void keep(program_starts& kept, const start_figures& figures) {
    kept.window = figures.window;
    kept.first_paint_ms.push_back(figures.first_paint_ms);
    if (figures.cpu_ms >= 0) {
        kept.cpu_ms.push_back(figures.cpu_ms);
    }
    kept.peak_memory_kib.push_back(figures.peak_memory_kib);
    for (const phase_mark& mark : figures.phases) {
        if (!kept.phase_ms.count(mark.phase)) {
            kept.phase_order.push_back(mark.phase);
        }
        kept.phase_ms[mark.phase].push_back(mark.ms);
        kept.phase_cpu_ms[mark.phase].push_back(mark.cpu_ms);
        kept.phase_peak_kib[mark.phase].push_back(static_cast<double>(mark.peak_kib));
    }
}

/// The phases as a JSON object: each phase's times, CPU times and peak memory, in order.
inline std::string phases_json(const program_starts& measured) {
    std::string json = "{";
    for (std::size_t i = 0; i < measured.phase_order.size(); ++i) {
        const std::string& phase = measured.phase_order[i];
        json += (i == 0 ? "" : ", ");
        json += "\"" + phase + "\": {\"ms\": " + json_list(measured.phase_ms.at(phase));
        json += ", \"cpu_ms\": " + json_list(measured.phase_cpu_ms.at(phase));
        json += ", \"peak_kib\": " + json_list(measured.phase_peak_kib.at(phase)) + "}";
    }
    return json + "}";
}

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
            keep(starts[target.name], figures);
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
                memory_key + "\": " + json_list(measured.peak_memory_kib);
        if (!measured.cpu_ms.empty()) {
            json += ", \"cpu_ms\": " + json_list(measured.cpu_ms);
        }
        json += ", \"phases\": " + phases_json(measured) + "}" +
                (i + 1 < programs.size() ? "," : "") + "\n";
    }
    return json + "}\n";
}

}  // namespace helio::bench
