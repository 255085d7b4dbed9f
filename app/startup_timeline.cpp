// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/startup_timeline.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include <psapi.h>
#else
#include <chrono>
#include <ctime>
#include <fstream>
#endif

namespace helio {

namespace {

#ifdef _WIN32
long long clock_ns() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER ticks;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&ticks);
    return static_cast<long long>(static_cast<double>(ticks.QuadPart) * 1e9 /
                                  static_cast<double>(frequency.QuadPart));
}

long long filetime_ns(const FILETIME& time) {
    return ((static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) * 100;
}

long long cpu_ns() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    return filetime_ns(kernel) + filetime_ns(user);
}

void read_memory(long long& resident_kib, long long& peak_kib) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    // kernel32's own entry, so that the program imports no psapi.dll for it.
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    resident_kib = static_cast<long long>(memory.WorkingSetSize / 1024);
    peak_kib = static_cast<long long>(memory.PeakWorkingSetSize / 1024);
}
#else
long long clock_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long long cpu_ns() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec * 1000000000LL + used.tv_nsec;
}

void read_memory(long long& resident_kib, long long& peak_kib) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> peak_kib;
        } else if (key == "VmRSS:") {
            status >> resident_kib;
        }
    }
}
#endif

}  // namespace

startup_timeline::startup_timeline() {
    if (const char* path = std::getenv("HELIO_STARTUP_MARKS"); path != nullptr && *path != '\0') {
        path_ = path;
        marks_.reserve(16);
        mark("main");
    }
}

startup_timeline::~startup_timeline() {
    if (path_.empty()) {
        return;
    }
    if (std::FILE* out = std::fopen(path_.c_str(), "w")) {
        for (const mark_taken& taken : marks_) {
            std::fprintf(out, "mark %s %lld %lld %lld %lld\n", taken.phase, taken.clock_ns,
                         taken.cpu_ns, taken.resident_kib, taken.peak_kib);
        }
        std::fclose(out);
    }
}

void startup_timeline::mark(const char* phase) {
    if (path_.empty()) {
        return;
    }
    mark_taken taken{phase, clock_ns(), cpu_ns(), 0, 0};
    read_memory(taken.resident_kib, taken.peak_kib);
    marks_.push_back(taken);
}

}  // namespace helio
