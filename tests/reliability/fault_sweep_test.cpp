// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Every port access of every button's sequence is made to fail in every way the I/O
// component or the port can fail, one access at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "reliability/console_rig.h"
#include "reliability/fault_kinds.h"
#include "ttl/protocol.h"

namespace helio::test {
namespace {

using namespace std::chrono_literals;
using sim::access_fault;
using sim::device_event;

/// Travel times short enough to be quick, long enough that each wait reads several times.
constexpr double sweep_travel_scale = 0.01;

/// A button pressed from a known state of the instrument.
struct scenario {
    const char* name;
    const char* control;
    void (*prepare)(console_rig&);
};

void sighting_button_off(console_rig& rig) {
    rig.controller.set_sighting_button(false);
}

const scenario scenarios[] = {
    {"VISEE, mirror at the CCD stop", "Command1", as_started},
    {"VISEE, mirror already at sighting", "Command1", mirror_at_sighting},
    {"CCD, mirror at sighting", "Command2", mirror_at_sighting},
    {"CCD, mirror already at the CCD stop", "Command2", as_started},
    {"POUSSOIR, sighting button off", "Command3", sighting_button_off},
    {"POUSSOIR, mirror at the CCD stop", "Command3", as_started},
    {"POUSSOIR, mirror at sighting", "Command3", mirror_at_sighting},
    {"Halpha -1.0 A", "Command4", as_started},
    {"Halpha + 1.0 A", "Command5", as_started},
    {"H alpha", "Command6", as_started},
    {"H alpha -0.5 A", "Command7", as_started},
    {"H alpha +0.5 A", "Command8", as_started},
    {"INIT TTL output", "Command9", as_started},
    {"GO with 178", "Command10", [](console_rig& rig) { rig.type("178"); }},
    {"GO with ' 35'", "Command10", [](console_rig& rig) { rig.type(" 35"); }},
};

/// Each access of the trouble-free run leaves three events: created, the call, released.
constexpr std::size_t events_per_access = 3;

/// The trouble-free run of a scenario: its accesses, and its lines with how many
/// accesses had been attempted when each was logged.
struct clean_run {
    std::uint64_t first_access = 0;  ///< accesses made while preparing
    std::vector<device_event> events;
    std::vector<std::pair<std::uint64_t, std::string>> stamped_lines;

    std::uint64_t accesses() const { return events.size() / events_per_access; }
    bool reads_at(std::uint64_t k) const {
        return events[static_cast<std::size_t>(k - 1) * events_per_access + 1].what ==
               device_event::kind::read;
    }
};

class stamped_log final : public event_listener {
  public:
    explicit stamped_log(const sim::simulated_component_factory& factory) : factory_(factory) {}
    void on_event(const instrument_event& logged) override {
        lines.emplace_back(factory_.accesses(), std::string(logged.text));
    }
    std::vector<std::pair<std::uint64_t, std::string>> lines;

  private:
    const sim::simulated_component_factory& factory_;
};

clean_run run_clean(const scenario& s) {
    console_rig rig(1ms, sweep_travel_scale);
    s.prepare(rig);
    clean_run run;
    run.first_access = rig.factory.accesses();
    stamped_log log(rig.factory);
    rig.device.add_listener(log, {event_kind::logged});
    rig.factory.set_recording(true);
    const press_record press = rig.press(s.control);
    EXPECT_TRUE(press.ended_normally()) << s.name;
    run.events = rig.factory.events();
    run.stamped_lines = log.lines;
    return run;
}

std::vector<std::string> lines_before(const clean_run& run, std::uint64_t failing_access) {
    std::vector<std::string> lines;
    for (const auto& [accesses, text] : run.stamped_lines) {
        if (accesses < failing_access) {
            lines.push_back(text);
        }
    }
    return lines;
}

bool same_events(const std::vector<device_event>& a, const std::vector<device_event>& b,
                 std::size_t count) {
    const auto same = [](const device_event& x, const device_event& y) {
        return x.what == y.what && x.port == y.port && x.value == y.value;
    };
    return a.size() >= count && b.size() >= count &&
           std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(count), b.begin(), same);
}

/// The byte the last write before access `k` of the trouble-free run put on the lines, if
/// it raised a strobe: a failure at `k` must then lower it.
std::optional<std::int32_t> strobe_raised_before(const clean_run& run, std::uint64_t k) {
    std::int32_t last = 0;
    for (std::size_t i = 0; i + 1 < run.events.size() && i / events_per_access + 1 < k;
         i += events_per_access) {
        if (run.events[i + 1].what == device_event::kind::write) {
            last = run.events[i + 1].value;
        }
    }
    return (last & protocol::strobe_mask) != 0 ? std::optional(last) : std::nullopt;
}

/// How one case went: what went wrong, if anything, and whether the press after it met a
/// strobe that the abandoned sequence had left high.
struct case_result {
    std::vector<std::string> problems;
    bool released = false;
    bool next_met_a_raised_strobe = false;
};

/// Runs `s` with access k failing as `fault` says, and the write that lowers the strobe it
/// left raised, if any, failing as `release_fault` says; then presses the same button again.
case_result run_faulty(const scenario& s, const clean_run& clean, std::uint64_t k,
                       const fault_kind& fault, const fault_kind* release_fault) {
    case_result result;
    std::vector<std::string>& problems = result.problems;
    const auto expect = [&](bool holds, const std::string& what) {
        if (!holds) {
            problems.push_back(what);
        }
    };
    console_rig rig(1ms, sweep_travel_scale);
    s.prepare(rig);
    const std::uint64_t failing = clean.first_access + k;
    const std::optional<std::int32_t> raised = strobe_raised_before(clean, k);
    rig.factory.schedule_fault(failing, fault.fault);
    if (release_fault != nullptr) {
        rig.factory.schedule_fault(failing + 1, release_fault->fault);
    }
    rig.factory.set_recording(true);

    const press_record failed = rig.press(s.control);
    const bool is_read = clean.reads_at(k);
    const bool told = failed.errors.size() == 1 && tells_lines_not_released(failed.errors.front());
    expect(failed.handled && !failed.busy_after, "the console did not go on");
    expect(failed.errors.size() == 1, "the operator was not shown exactly one error");
    if (failed.errors.size() == 1) {
        const std::string& shown = failed.errors.front();
        expect(shown.find(fault.shown) != std::string::npos, "wrong message: " + shown);
        const bool call_fault = fault.fault.what == access_fault::kind::fail_call;
        expect(!call_fault || shown.find(is_read ? "ReadPort" : "WritePort") != std::string::npos,
               "the message names the wrong call: " + shown);
        const bool creation_fault = fault.fault.what == access_fault::kind::fail_creation;
        expect(!creation_fault || shown.find("Port") == std::string::npos,
               "no call was made, yet the message names one: " + shown);
    }
    // The lines are idle after it, or the operator was told they could not be released.
    const bool idle = (failed.outputs_after & protocol::strobe_mask) == 0;
    expect(idle != told, "a strobe is left raised and the operator not told, or told wrongly");
    expect(told == (raised && release_fault != nullptr), "told of a release that never failed");
    expect(rig.factory.accesses() == failing + (raised ? 1 : 0),
           raised ? "the strobe left raised was not lowered by one write"
                  : "a port access followed the failing one");
    expect(failed.lines == lines_before(clean, failing), "the log differs from the lines before");
    expect(same_events(rig.factory.events(), clean.events,
                       events_per_access * static_cast<std::size_t>(k - 1)),
           "the accesses before the failing one changed");
    expect(failed.live_instances_after == 0, "an I/O component instance was not released");
    // Lowering the strobe while the data go back to 0 is the release's one breach, and
    // only when data were presented under the strobe.
    const bool release_breach = raised && idle && (*raised & protocol::data_field_mask) != 0;
    expect(failed.breaches.size() == (release_breach ? 1u : 0u) &&
               (!release_breach ||
                failed.breaches.front().kind == sim::violation_kind::data_changed_while_strobed),
           "the abandoned sequence breached the protocol");

    rig.factory.clear_faults();
    const press_record next = rig.press(s.control);
    expect(next.ended_normally(), "the next press failed");
    if (!clean.stamped_lines.empty()) {
        expect(!next.lines.empty() && next.lines.back() == clean.stamped_lines.back().second,
               "the next press did not end as it should");
    }
    expect(next.outputs_after == (next.writes > 0 ? 0 : next.outputs_before),
           "the next press left the outputs set");
    expect(only_excused_breaches(next), "the next press breached the protocol");
    result.released = raised && idle;
    result.next_met_a_raised_strobe = !next.breaches.empty();
    expect(!result.next_met_a_raised_strobe || told,
           "the next press met a raised strobe the operator was not told of");
    return result;
}

TEST(FaultSweep, EveryAccessOfEveryButtonFailsInEveryWay) {
    const fault_kind& call_fails = fault_kinds[1];
    int cases = 0;
    int survived = 0;
    int released = 0;
    int release_failures = 0;
    int raised_strobes_met = 0;
    for (const scenario& s : scenarios) {
        const clean_run clean = run_clean(s);
        for (std::uint64_t k = 1; k <= clean.accesses(); ++k) {
            const bool is_read = clean.reads_at(k);
            const bool leaves_strobe = strobe_raised_before(clean, k).has_value();
            for (const fault_kind& fault : fault_kinds) {
                if (fault.reads_only && !is_read) {
                    continue;
                }
                // Once as it comes, and where a strobe is left raised, once more with the
                // write that lowers it failing too.
                std::vector<const fault_kind*> release_faults{nullptr};
                if (leaves_strobe) {
                    release_faults.push_back(&call_fails);
                }
                for (const fault_kind* release_fault : release_faults) {
                    ++cases;
                    const case_result result = run_faulty(s, clean, k, fault, release_fault);
                    survived += result.problems.empty() ? 1 : 0;
                    released += result.released ? 1 : 0;
                    release_failures += release_fault != nullptr ? 1 : 0;
                    raised_strobes_met += result.next_met_a_raised_strobe ? 1 : 0;
                    for (const std::string& problem : result.problems) {
                        ADD_FAILURE() << s.name << ", access " << k << " (" << fault.name
                                      << (release_fault != nullptr ? ", release fails" : "")
                                      << "): " << problem;
                    }
                }
            }
        }
    }
    std::cout << "fault sweep: " << std::size(scenarios) << " sequences, " << cases << " cases, "
              << survived << " survived; " << released
              << " strobes left raised were lowered by one write of 0; " << release_failures
              << " releases failed and were told; " << raised_strobes_met
              << " next presses met a strobe left high (one breach each, excused)\n";
    RecordProperty("cases", cases);
    RecordProperty("survived", survived);
    EXPECT_EQ(survived, cases);
    EXPECT_GT(cases, 300) << "every sequence was swept";
    EXPECT_GT(released, 0);
    EXPECT_LE(raised_strobes_met, release_failures) << "and only after a release that failed";
}

}  // namespace
}  // namespace helio::test
