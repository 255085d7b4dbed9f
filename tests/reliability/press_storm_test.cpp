// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Thousands of random presses and entries, with the sighting button flipping and the port
// failing at random, seeded so that any storm can be replayed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "reliability/console_rig.h"
#include "reliability/entry_texts.h"
#include "reliability/fault_kinds.h"
#include "ttl/protocol.h"

namespace helio::test {
namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t default_seed = 20260407;
constexpr int storm_presses = 10000;

/// Dice whose throws are the same on every machine: the engine's output is fixed by the
/// C++ standard, the standard distributions are not, so none is used.
struct dice {
    std::mt19937_64 engine;
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(engine() % n); }
    bool percent(std::size_t chance) { return below(100) < chance; }
};

constexpr std::array<const char*, 10> buttons{"Command1", "Command2", "Command3", "Command4",
                                              "Command5", "Command6", "Command7", "Command8",
                                              "Command9", "Command10"};

std::string random_entry(dice& roll, const std::vector<std::string>& alphabet) {
    if (roll.percent(40)) {
        return std::to_string(blade_codes[roll.below(blade_codes.size())]);
    }
    if (roll.percent(30)) {
        return std::to_string(roll.below(1000));
    }
    std::string text;
    for (std::size_t n = roll.below(entry_capacity + 1); n > 0; --n) {
        text += alphabet[roll.below(alphabet.size())];
    }
    return text;
}

/// What a storm did, and a fingerprint of every press to tell two storms apart.
struct storm_figures {
    int presses = 0;
    int errors_shown = 0;
    int pusher_pulses = 0;
    int pusher_refusals = 0;
    int strobes_left_raised_untold = 0;
    std::uint64_t fingerprint = 14695981039346656037u;
    std::vector<std::string> problems;

    void fold(const std::string& text) {
        for (const char c : text + '\n') {
            fingerprint = (fingerprint ^ static_cast<unsigned char>(c)) * 1099511628211u;
        }
    }
};

/// Checks one press against what must hold whatever the dice said.
void check_press(const press_record& press, const char* control, storm_figures& figures) {
    const auto problem = [&](const std::string& what) {
        if (figures.problems.size() < 20) {
            figures.problems.push_back("press " + std::to_string(figures.presses) + " (" + control +
                                       "): " + what);
        }
    };
    if (!press.handled || press.busy_after || press.live_instances_after != 0) {
        problem("the console did not come back ready");
    }
    if (press.errors.size() > 1 || (!press.errors.empty() && is_internal_error(press.errors[0]))) {
        problem("unexpected error: " + press.errors.front());
    }
    const bool pusher_button = std::string_view(control) == "Command3";
    if (press.pusher_actuations > 0 && (!pusher_button || !press.sighting_button_before)) {
        problem("the pusher was pulsed without the sighting button active at the start");
    }
    if (press.ended_normally()) {
        if (pusher_button && press.sighting_button_before && press.pusher_actuations != 1) {
            problem("POUSSOIR ended normally without one pusher pulse");
        }
        if (press.outputs_after != (press.writes > 0 ? 0 : press.outputs_before)) {
            problem("outputs left at " + std::to_string(press.outputs_after));
        }
    }
    if (!only_excused_breaches(press)) {
        problem("protocol breach: " + press.breaches.front().description);
    }
}

storm_figures run_storm(std::uint64_t seed, int presses) {
    dice roll{std::mt19937_64(seed)};
    const std::vector<std::string> alphabet = entry_alphabet();
    console_rig rig(1ms, 0.01);
    storm_figures figures;
    bool told_strobe_raised = false;  // the operator knows a strobe stays high
    for (figures.presses = 0; figures.presses < presses; ++figures.presses) {
        if (roll.percent(50)) {
            rig.controller.set_sighting_button(roll.percent(50));
        }
        if (roll.percent(30)) {
            const std::string text = random_entry(roll, alphabet);
            rig.type(text);
            figures.fold("T " + text);
        }
        if (roll.percent(25)) {
            const fault_kind& fault = fault_kinds[roll.below(fault_kinds.size())];
            rig.factory.schedule_fault(rig.factory.accesses() + 1 + roll.below(16), fault.fault);
        }
        const char* control = buttons[roll.below(buttons.size())];
        const press_record press = rig.press(control);
        rig.factory.clear_faults();  // a fault the press did not reach is not carried over

        check_press(press, control, figures);
        const bool strobe_raised_before = (press.outputs_before & protocol::strobe_mask) != 0;
        figures.strobes_left_raised_untold += strobe_raised_before && !told_strobe_raised;
        told_strobe_raised = (press.outputs_after & protocol::strobe_mask) != 0 &&
                             (told_strobe_raised || std::ranges::any_of(press.errors, [](auto& e) {
                                  return tells_lines_not_released(e);
                              }));
        figures.errors_shown += static_cast<int>(press.errors.size());
        figures.pusher_pulses += press.pusher_actuations;
        figures.pusher_refusals += static_cast<int>(
            std::ranges::count(press.lines, std::string("Bouton de visee NON active")));
        figures.fold(std::string(control) + " " + std::to_string(press.accesses) + " " +
                     std::to_string(press.outputs_after));
        for (const std::string& line : press.lines) {
            figures.fold("L " + line);
        }
        for (const std::string& error : press.errors) {
            figures.fold("E " + error);
        }
    }
    return figures;
}

std::uint64_t storm_seed() {
    const char* chosen = std::getenv("HELIO_STORM_SEED");
    return chosen != nullptr ? std::strtoull(chosen, nullptr, 10) : default_seed;
}

TEST(PressStorm, TenThousandRandomPressesKeepEveryPromise) {
    const std::uint64_t seed = storm_seed();
    const auto started = std::chrono::steady_clock::now();
    const storm_figures figures = run_storm(seed, storm_presses);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    for (const std::string& problem : figures.problems) {
        ADD_FAILURE() << "seed " << seed << ", " << problem;
    }
    EXPECT_GT(figures.errors_shown, storm_presses / 20) << "the faults did strike";
    EXPECT_GT(figures.pusher_pulses, 100);
    EXPECT_GT(figures.pusher_refusals, 100);
    EXPECT_EQ(figures.strobes_left_raised_untold, 0) << "every raised strobe was lowered or told";
    std::cout << "press storm (seed " << seed << "): " << figures.presses << " presses in "
              << took.count() << " s, " << figures.errors_shown << " errors shown, "
              << figures.pusher_pulses << " pusher pulses, " << figures.pusher_refusals
              << " refused\n";
    RecordProperty("seed", std::to_string(seed));
    RecordProperty("presses", figures.presses);
}

TEST(PressStorm, TheSameSeedReplaysTheSameStorm) {
    const storm_figures first = run_storm(storm_seed(), 1000);
    const storm_figures again = run_storm(storm_seed(), 1000);
    const storm_figures other = run_storm(storm_seed() + 1, 1000);
    EXPECT_EQ(first.fingerprint, again.fingerprint);
    EXPECT_EQ(first.errors_shown, again.errors_shown);
    EXPECT_NE(first.fingerprint, other.fingerprint);
}

}  // namespace
}  // namespace helio::test
