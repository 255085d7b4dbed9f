// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Every text the setpoint entry can hold, typed and sent with GO.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "reliability/console_rig.h"
#include "reliability/entry_texts.h"
#include "support/reference_conversion.h"
#include "support/worked_numbers.h"

namespace helio::test {
namespace {

/// How GO must end for one text.
enum class ending { blade_move, invalid_setpoint, not_a_number };

struct tally {
    std::size_t entries = 0;
    std::set<std::int64_t> codes_reached;
    std::size_t mismatch_count = 0;  ///< the first few are reported
};

ending expected_ending(const reading& reference) {
    if (reference.what != reading::kind::value) {
        return ending::not_a_number;
    }
    return std::ranges::find(blade_codes, reference.value) != blade_codes.end()
               ? ending::blade_move
               : ending::invalid_setpoint;
}

/// The operator's message for a text that is no number, or one too large, in the words of
/// the console.
bool names_the_entry(const std::string& shown, const std::string& text, const reading& reference) {
    if (text.find_first_not_of(" \t") == std::string::npos) {
        return shown.starts_with("Aucune consigne n'est saisie.");
    }
    const bool too_large = reference == test::too_large;
    return shown.starts_with("La consigne \xC2\xAB " + text + " \xC2\xBB " +
                             (too_large ? "est un nombre trop grand." : "n'est pas un nombre"));
}

bool ended_as_expected(console_rig& rig, const press_record& press, const std::string& text,
                       const reading& reference) {
    if (!press.handled || press.busy_after || press.live_instances_after != 0) {
        return false;
    }
    switch (expected_ending(reference)) {
        case ending::blade_move: {
            const std::string code = std::to_string(reference.value);
            return press.errors.empty() && press.lines.size() == 3 &&
                   press.lines[0] == "consigne " + code && press.lines[2] == "Consigne = " + code &&
                   rig.controller.last_setpoint() == reference.value &&
                   rig.controller.blades().in_position() && press.outputs_after == 0 &&
                   press.breaches.empty();
        }
        case ending::invalid_setpoint:
            return press.errors.empty() && press.accesses == 0 &&
                   press.lines == std::vector<std::string>{"Consigne invalide"};
        case ending::not_a_number:
            return press.lines.empty() && press.accesses == 0 && press.errors.size() == 1 &&
                   names_the_entry(press.errors.front(), text, reference);
    }
    return false;
}

void try_entry(console_rig& rig, const std::string& text, tally& counts) {
    const reading reference = reference_conversion(text, english_us_numbers);
    rig.type(text);
    const press_record press = rig.press("Command10");
    ++counts.entries;
    if (expected_ending(reference) == ending::blade_move) {
        counts.codes_reached.insert(reference.value);
    }
    if (!ended_as_expected(rig, press, text, reference) && ++counts.mismatch_count <= 20) {
        ADD_FAILURE() << "'" << text << "' -> "
                      << (press.errors.empty() ? "no error" : press.errors.front()) << " / "
                      << press.lines.size() << " lines";
    }
}

TEST(EveryEntry, EachTextOfUpToThreeCharactersEndsAsTheRuleSays) {
    const auto started = std::chrono::steady_clock::now();
    const std::vector<std::string> alphabet = entry_alphabet();
    console_rig rig;
    tally counts;
    try_entry(rig, "", counts);
    for (const std::string& first : alphabet) {
        try_entry(rig, first, counts);
        for (const std::string& second : alphabet) {
            const std::string two = first + second;
            try_entry(rig, two, counts);
            for (const std::string& third : alphabet) {
                try_entry(rig, two + third, counts);
            }
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    const std::size_t n = alphabet.size();
    EXPECT_EQ(n, 97u) << "95 printable ASCII, tab and à";
    EXPECT_EQ(counts.entries, 1 + n + n * n + n * n * n);
    EXPECT_EQ(counts.mismatch_count, 0u);
    EXPECT_TRUE(rig.controller.violations().clean());
    EXPECT_EQ(counts.codes_reached.size(), blade_codes.size()) << "every code can be typed";
    std::cout << "every entry: " << counts.entries << " texts in " << took.count() << " s\n";
    RecordProperty("entries", static_cast<int>(counts.entries));
}

}  // namespace
}  // namespace helio::test
