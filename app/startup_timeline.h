// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace helio {

/// Where the start-up's time and memory go, for the bench's start-up probe: when the
/// environment names a file in HELIO_STARTUP_MARKS, each mark keeps the clock the probe
/// reads (steady clock on Linux, the performance counter on Windows), the process's CPU
/// time and its resident memory, and the file gets one line a mark when the timeline ends:
///   mark PHASE CLOCK_NS CPU_NS RESIDENT_KIB PEAK_KIB
/// Without it a mark does nothing, so that the operator's start pays nothing for it.
class startup_timeline {
  public:
    /// Takes the first mark, `main`, when enabled.
    startup_timeline();
    startup_timeline(const startup_timeline&) = delete;

    /// `phase` is one word, the end of the phase it names.
    void mark(const char* phase);

    /// Writes the marks, when enabled.
    ~startup_timeline();
    startup_timeline& operator=(const startup_timeline&) = delete;

  private:
    struct mark_taken {
        const char* phase;
        long long clock_ns;
        long long cpu_ns;
        long long resident_kib;
        long long peak_kib;
    };

    std::string path_;
    std::vector<mark_taken> marks_;
};

}  // namespace helio
