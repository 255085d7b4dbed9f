// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Starts Qt programs again and again with the first paint probe preloaded, taking turns
// between them, and prints as JSON, for every run, the time from the start of the process
// to the end of its first window's first paint, the process's peak resident memory, and the
// phases of its start the program marked (HELIO_STARTUP_MARKS, app/startup_timeline.h) with
// the peak at the first paint.
//   startup_probe PROBE_LIBRARY RUNS NAME=PROGRAM...
// The first round warms the caches and is left out.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "startup_rounds.h"

namespace {

using steady = std::chrono::steady_clock;
constexpr int report_timeout_ms = 30000;

struct program {
    std::string name;
    std::string path;
};

[[noreturn]] void fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

[[noreturn]] void exec_with_probe(const std::string& probe, const std::string& path, int report_fd,
                                  const std::string& marks_path) {
    setenv("LD_PRELOAD", probe.c_str(), 1);
    setenv("HELIO_PROBE_FD", std::to_string(report_fd).c_str(), 1);
    setenv("HELIO_STARTUP_MARKS", marks_path.c_str(), 1);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

/// Everything the child writes on the report pipe until it closes it.
std::string read_report(int fd, pid_t child) {
    std::string report;
    char buffer[256];
    for (;;) {
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, report_timeout_ms);
        if (ready <= 0) {
            kill(child, SIGKILL);
            break;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        report.append(buffer, static_cast<std::size_t>(got));
    }
    return report;
}

helio::bench::start_figures run_once(const std::string& probe, const program& target) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) {
        fail("pipe");
    }
    const std::string marks_path = "/tmp/helio-startup-marks-" + std::to_string(getpid()) + ".txt";
    const steady::time_point start = steady::now();
    const pid_t child = fork();
    if (child < 0) {
        fail("fork");
    }
    if (child == 0) {
        close(pipe_fds[0]);
        exec_with_probe(probe, target.path, pipe_fds[1], marks_path);
    }
    close(pipe_fds[1]);
    const std::string report = read_report(pipe_fds[0], child);
    close(pipe_fds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        fail("wait4");
    }

    std::istringstream fields(report);
    std::string tag;
    long long painted_ns = 0;
    long long painted_peak_kib = 0;
    helio::bench::start_figures result;
    if (!(fields >> tag >> painted_ns >> result.window >> painted_peak_kib) ||
        tag != "first-paint") {
        throw std::runtime_error(target.name + " (" + target.path +
                                 ") ended without a first paint; exit status " +
                                 std::to_string(status));
    }
    const auto since_start = std::chrono::nanoseconds(painted_ns) - start.time_since_epoch();
    result.first_paint_ms = std::chrono::duration<double, std::milli>(since_start).count();
    result.peak_memory_kib = usage.ru_maxrss;
    const double start_ns = static_cast<double>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count());
    result.phases = helio::bench::read_marks(marks_path, start_ns);
    unlink(marks_path.c_str());
    result.phases.push_back({"first-paint", result.first_paint_ms, 0, painted_peak_kib});
    return result;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::cerr << "usage: " << argv[0] << " PROBE_LIBRARY RUNS NAME=PROGRAM...\n";
        return 2;
    }
    const std::string probe = argv[1];
    const int rounds = std::atoi(argv[2]);
    std::vector<program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.find('=');
        if (equals == std::string::npos) {
            std::cerr << "not NAME=PROGRAM: " << argument << '\n';
            return 2;
        }
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1)});
    }
    try {
        const auto starts = helio::bench::starts_in_turns(
            programs, rounds, [&probe](const program& target) { return run_once(probe, target); });
        std::cout << helio::bench::starts_json(programs, starts, "peak_rss_kib");
    } catch (const std::exception& error) {
        std::cerr << "startup_probe: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
