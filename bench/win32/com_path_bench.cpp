// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The COM path: write_output and get_ttl through com_io_factory, which asks for the class
// object once and makes each access's object with it, against their floor, a bare loop of
// CoCreateInstance, the one call with the arguments the adapter passes, and Release; and
// against a bare loop of the class object's own CreateInstance, the call and Release, what
// the adapter's path costs without the adapter. All on the registered stand-in component in
// this process. Prints, as JSON, the median time of each and the medians of the rounds' own
// ratios.
//   com_path_bench [ROUNDS [SECONDS_PER_SAMPLE]]     (101 rounds of 0.01 s by default)
#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "interleaved_rounds.h"
#include "json_list.h"
#include "standin/standin_library.h"
#include "ttl/errors.h"
#include "ttl/port_access.h"
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

/// The class object, asked for once, as com_io_factory asks for it.
IClassFactory* class_object() {
    static IClassFactory* const factory = [] {
        void* object = nullptr;
        check(CoGetClassObject(win32::io_port_class_id, CLSCTX_INPROC_SERVER, nullptr,
                               IID_IClassFactory, &object),
              "CoGetClassObject");
        return static_cast<IClassFactory*>(object);
    }();
    return factory;
}

win32::io_port_dispatch* object_of_class_object() {
    void* object = nullptr;
    check(class_object()->CreateInstance(nullptr, win32::io_port_interface_id, &object),
          "IClassFactory::CreateInstance");
    return static_cast<win32::io_port_dispatch*>(object);
}

using object_maker = win32::io_port_dispatch* (*)();

template <object_maker make>
void bare_write(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        win32::io_port_dispatch* port = make();
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

template <object_maker make>
void bare_read(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        win32::io_port_dispatch* port = make();
        LONG aux = 0;
        VARIANT answer;
        VariantInit(&answer);
        const HRESULT read = port->ReadPort(ttl_port_number, &aux, &answer);
        port->Release();
        check(read, "ReadPort");
        read_sink = answer.lVal;  // the stand-in answers VT_I4: nothing to clear
    }
}

/// The cases, in the order they are timed and printed.
enum timed : std::size_t {
    floor_write,
    write_output,
    floor_read,
    get_ttl,
    class_object_write,
    class_object_read,
};

struct com_figures {
    int rounds = 0;
    std::vector<std::int64_t> accesses_per_sample;  // per case
    std::vector<std::vector<double>> times;         // per case, per round
};

com_figures measure(int rounds, double seconds_per_sample) {
    win32::com_io_factory factory;
    port_access port(factory);
    const std::vector<timed_case> cases = {
        {"floor_write", bare_write<fresh_object>},
        {"write_output",
         [&](std::int64_t count) {
             for (std::int64_t i = 0; i < count; ++i) {
                 port.write_output(0);
             }
         }},
        {"floor_read", bare_read<fresh_object>},
        {"get_ttl",
         [&](std::int64_t count) {
             for (std::int64_t i = 0; i < count; ++i) {
                 read_sink = port.get_ttl();
             }
         }},
        {"class_object_write", bare_write<object_of_class_object>},
        {"class_object_read", bare_read<object_of_class_object>},
    };
    // In a fresh Wine prefix, COM's first use starts some of Wine's services, which keep
    // Wine's server busy for a few seconds: nothing is timed until they have settled.
    warm_up(cases, 5.0, 100);
    com_figures figures;
    figures.rounds = rounds;
    // Each case as many accesses as last about the same time: a sample of the fast paths
    // sized on CoCreateInstance would be too short to time.
    for (const timed_case& timed : cases) {
        figures.accesses_per_sample.push_back(accesses_lasting(timed, seconds_per_sample));
    }
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

void print_json(const com_figures& figures) {
    const auto& t = figures.times;
    std::printf("{\n  \"available\": true,\n");
    std::printf("  \"floor_label\": \"CoCreateInstance, call, Release\",\n");
    std::printf("  \"class_object_label\": \"IClassFactory::CreateInstance, call, Release\",\n");
    std::printf("  \"rounds\": %d,\n  \"accesses_per_sample\": %s,\n", figures.rounds,
                json_list(figures.accesses_per_sample).c_str());
    const char* names[] = {"floor_write", "write_output",       "floor_read",
                           "get_ttl",     "class_object_write", "class_object_read"};
    for (std::size_t i = 0; i < t.size(); ++i) {
        std::printf("  \"%s_ns\": %.2f,\n", names[i], median(t[i]));
    }
    std::printf("  \"write_output_ratio\": %.4f,\n  \"get_ttl_ratio\": %.4f,\n",
                ratio_by_round(t[write_output], t[floor_write]),
                ratio_by_round(t[get_ttl], t[floor_read]));
    std::printf(
        "  \"write_output_class_object_ratio\": %.4f,\n"
        "  \"get_ttl_class_object_ratio\": %.4f,\n",
        ratio_by_round(t[write_output], t[class_object_write]),
        ratio_by_round(t[get_ttl], t[class_object_read]));
    std::printf("  \"samples_ns\": {");
    for (std::size_t i = 0; i < t.size(); ++i) {
        std::printf("%s\"%s\": %s", i == 0 ? "" : ",\n    ", names[i], json_list(t[i]).c_str());
    }
    std::printf("}\n}\n");
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
