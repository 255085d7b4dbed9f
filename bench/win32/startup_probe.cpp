// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Starts Windows programs again and again, taking turns between them, and prints as JSON,
// for every run, the time from just before the process is created to the end of its first
// window's first paint, the process's CPU time and peak working set at that point, its own
// figures, and the phases of its start the program marked (HELIO_STARTUP_MARKS,
// app/startup_timeline.h). Under Wine the wall clock takes in every wait for Wine's server,
// which other work on the machine slows; the CPU time is the program's own work.
//   startup_probe RUNS NAME=PROGRAM...
// The end of the first paint: the program's thread has gone idle for the first time
// (WaitForInputIdle: it has handled every message, paints included, that its start-up
// made), and its visible window and the controls in it have nothing left to paint. Each
// run is then closed as the operator would close it. The first round warms the caches and
// is left out.
#include <windows.h>

#include <psapi.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "startup_rounds.h"

namespace {

constexpr DWORD patience_ms = 30000;

struct program {
    std::string name;
    std::wstring path;
};

double now_ms() {
    static const double ticks_per_ms = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return static_cast<double>(ticks.QuadPart) / ticks_per_ms;
}

struct window_search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK find_visible_window(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<window_search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK note_unpainted(HWND child, LPARAM unpainted) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(unpainted) = true;
    }
    return TRUE;
}

/// The process's visible top-level window once it and its controls have nothing left to
/// paint; nullptr if that does not come within the patience.
HWND painted_window(DWORD process) {
    const double give_up = now_ms() + patience_ms;
    while (now_ms() < give_up) {
        window_search search{process, nullptr};
        EnumWindows(find_visible_window, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && !GetUpdateRect(search.found, nullptr, FALSE)) {
            bool unpainted = false;
            EnumChildWindows(search.found, note_unpainted, reinterpret_cast<LPARAM>(&unpainted));
            if (!unpainted) {
                return search.found;
            }
        }
        // Each look is a few requests to Wine's server, which the starting program needs
        // too: looking without a pause would slow the very start being timed.
        Sleep(1);
    }
    return nullptr;
}

std::string utf8(const std::wstring& text) {
    std::string converted(text.size() * 3 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, converted.data(),
                                          static_cast<int>(converted.size()), nullptr, nullptr);
    converted.resize(bytes > 0 ? static_cast<std::size_t>(bytes - 1) : 0);
    return converted;
}

double cpu_ms(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        return -1;
    }
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               1e4;
    };
    return ms(kernel) + ms(user);
}

/// Where the started programs write their marks, named for them in the environment they
/// inherit.
std::string marks_path() {
    static const std::string path = [] {
        std::array<wchar_t, MAX_PATH> folder{};
        GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
        const std::wstring file = std::wstring(folder.data()) + L"helio-startup-marks.txt";
        SetEnvironmentVariableW(L"HELIO_STARTUP_MARKS", file.c_str());
        return utf8(file);
    }();
    return path;
}

helio::bench::start_figures run_once(const program& target) {
    const std::string marks = marks_path();
    DeleteFileA(marks.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command_line = L"\"" + target.path + L"\"";
    const double start = now_ms();
    if (!CreateProcessW(target.path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error(target.name + ": cannot start it");
    }
    WaitForInputIdle(process.hProcess, patience_ms);
    HWND window = painted_window(process.dwProcessId);
    helio::bench::start_figures result;
    result.first_paint_ms = now_ms() - start;
    result.cpu_ms = cpu_ms(process.hProcess);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    result.peak_memory_kib = static_cast<long long>(memory.PeakWorkingSetSize / 1024);
    if (window != nullptr) {
        std::array<wchar_t, 128> title{};
        GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
        result.window = utf8(title.data());
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, patience_ms) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (window == nullptr) {
        throw std::runtime_error(target.name + " showed no painted window");
    }
    result.phases = helio::bench::read_marks(marks, start * 1e6);
    result.phases.push_back({"first-paint", result.first_paint_ms, result.cpu_ms,
                             result.peak_memory_kib});
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS NAME=PROGRAM...\n");
        return 2;
    }
    const int rounds = _wtoi(argv[1]);
    std::vector<program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::wstring argument = argv[i];
        const auto equals = argument.find(L'=');
        if (equals == std::wstring::npos) {
            std::fprintf(stderr, "not NAME=PROGRAM: %s\n", utf8(argument).c_str());
            return 2;
        }
        programs.push_back({utf8(argument.substr(0, equals)), argument.substr(equals + 1)});
    }
    try {
        const auto starts = helio::bench::starts_in_turns(programs, rounds, run_once);
        std::fputs(helio::bench::starts_json(programs, starts, "peak_working_set_kib").c_str(),
                   stdout);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_probe: %s\n", error.what());
        return 1;
    }
    return 0;
}
