// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The COM path: write_output and get_ttl through com_io_factory against their floor, a bare
// loop of CoCreateInstance, the one call with the arguments the adapter passes, and Release,
// all on the registered stand-in component in this process. Prints, as JSON, the median
// time of each and the median of the rounds' own ratios.
//   com_path_bench [ROUNDS [SECONDS_PER_SAMPLE]]     (101 rounds of 0.01 s by default)
#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "interleaved_rounds.h"
#include "standin/standin_library.h"
#include "ttl/errors.h"
#include "ttl/ttl_lines.h"
#include "ttl/ttl_port.h"
#include "ttl/win32/com_apartment.h"
#include "ttl/win32/com_io_component.h"
#include "ttl/win32/io_port_interface.h"

namespace helio::bench {
namespace {

/// Where read results go, so that no read can be left out.
volatile LONG read_sink = 0;

void check(HRESULT status, const char* what) {
    if (FAILED(status)) {
        throw io_error(status, what, "the stand-in component refused");
    }
}

win32::io_port_dispatch* fresh_object() {
    void* object = nullptr;
    check(CoCreateInstance(win32::io_port_class_id, nullptr, CLSCTX_INPROC_SERVER,
                           win32::io_port_interface_id, &object),
          "CoCreateInstance");
    return static_cast<win32::io_port_dispatch*>(object);
}

void floor_write(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        win32::io_port_dispatch* port = fresh_object();
        LONG value = 0;
        LONG status = 0;
        VARIANT by_reference;
        VariantInit(&by_reference);
        by_reference.vt = VT_BYREF | VT_I4;
        by_reference.plVal = &value;
        const HRESULT written = port->WritePort(ttl_port_number, &by_reference, &status);
        port->Release();
        check(written, "WritePort");
    }
}

void floor_read(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        win32::io_port_dispatch* port = fresh_object();
        LONG aux = 0;
        VARIANT answer;
        VariantInit(&answer);
        const HRESULT read = port->ReadPort(ttl_port_number, &aux, &answer);
        port->Release();
        check(read, "ReadPort");
        read_sink = answer.lVal;  // the stand-in answers VT_I4: nothing to clear
    }
}

struct com_figures {
    int rounds = 0;
    std::int64_t accesses_per_sample = 0;
    std::vector<std::vector<double>> times;  // floor_write, write_output, floor_read, get_ttl
};

com_figures measure(int rounds, double seconds_per_sample) {
    win32::com_io_factory device;
    ttl_lines lines(device);
    const std::vector<timed_case> cases = {
        {"floor_write", floor_write},
        {"write_output",
         [&](std::int64_t count) {
             for (std::int64_t i = 0; i < count; ++i) {
                 lines.write_output(0);
             }
         }},
        {"floor_read", floor_read},
        {"get_ttl",
         [&](std::int64_t count) {
             for (std::int64_t i = 0; i < count; ++i) {
                 read_sink = lines.get_ttl();
             }
         }},
    };
    // In a fresh Wine prefix, COM's first use starts some of Wine's services, which keep
    // Wine's server busy for a few seconds: nothing is timed until they have settled.
    warm_up(cases, 5.0, 100);
    com_figures figures;
    figures.rounds = rounds;
    figures.accesses_per_sample = accesses_lasting(cases.front(), seconds_per_sample);
    figures.times = time_in_rounds(cases, rounds, figures.accesses_per_sample);
    return figures;
}

/// The median over the rounds of each round's measured / floor. Under Wine every access is
/// a handful of round trips to Wine's server, whose pace can change for seconds at a time
/// (up to ten times slower on a busy shared machine); a round, well under a second, mostly
/// sees one pace for both, where the two medians could each land on a different pace.
double ratio_by_round(const std::vector<double>& measured, const std::vector<double>& floor) {
    std::vector<double> ratios;
    for (std::size_t round = 0; round < measured.size(); ++round) {
        ratios.push_back(measured[round] / floor[round]);
    }
    return median(ratios);
}

std::string json_list(const std::vector<double>& values) {
    std::string text = "[";
    for (const double value : values) {
        text += (text.size() > 1 ? ", " : "") + std::to_string(value);
    }
    return text + "]";
}

void print_json(const com_figures& figures) {
    const auto& t = figures.times;
    std::printf("{\n  \"available\": true,\n");
    std::printf("  \"floor_label\": \"CoCreateInstance, call, Release\",\n");
    std::printf("  \"rounds\": %d,\n  \"accesses_per_sample\": %lld,\n", figures.rounds,
                static_cast<long long>(figures.accesses_per_sample));
    std::printf("  \"floor_write_ns\": %.2f,\n  \"write_output_ns\": %.2f,\n", median(t[0]),
                median(t[1]));
    std::printf("  \"floor_read_ns\": %.2f,\n  \"get_ttl_ns\": %.2f,\n", median(t[2]),
                median(t[3]));
    std::printf("  \"write_output_ratio\": %.4f,\n  \"get_ttl_ratio\": %.4f,\n",
                ratio_by_round(t[1], t[0]), ratio_by_round(t[3], t[2]));
    std::printf("  \"samples_ns\": {\"floor_write\": %s,\n", json_list(t[0]).c_str());
    std::printf("    \"write_output\": %s,\n", json_list(t[1]).c_str());
    std::printf("    \"floor_read\": %s,\n", json_list(t[2]).c_str());
    std::printf("    \"get_ttl\": %s}\n}\n", json_list(t[3]).c_str());
}

}  // namespace
}  // namespace helio::bench

int main(int argc, char** argv) {
    try {
        const int rounds = argc > 1 ? std::atoi(argv[1]) : 101;
        const double seconds_per_sample = argc > 2 ? std::atof(argv[2]) : 0.01;
        helio::win32::com_apartment apartment;
        // The stand-in keeps no record during the run: its accesses cost only what the
        // component does, the same for the floor and for the adapter.
        helio::test::standin_library standin;
        standin.reset();
        standin.set_recording(false);
        const auto figures = helio::bench::measure(rounds, seconds_per_sample);
        helio::bench::print_json(figures);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "com_path_bench: %s\n", error.what());
        return 1;
    }
}
