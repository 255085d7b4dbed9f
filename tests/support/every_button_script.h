// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "console/form1_model.h"

namespace helio::test {

/// One press of a button, with what it sends and logs in the order the console's trace
/// shows it ("W <value>" per write, "L <text>" per log line; reads left out). The script
/// starts on a freshly started simulated heliograph. Every build of the console plays it,
/// so the bytes a Windows build sends through COM are those the Linux build sends.
struct scripted_press {
    std::string_view control;
    std::string_view typed;  ///< typed into Text1 first (GO only)
    std::vector<std::string_view> trace;

    /// The events tagged `tag` ("W ", "L "), without the tag.
    std::vector<std::string> tagged(std::string_view tag) const {
        std::vector<std::string> found;
        for (const std::string_view event : trace) {
            if (event.starts_with(tag)) {
                found.emplace_back(event.substr(tag.size()));
            }
        }
        return found;
    }
    std::vector<std::int32_t> writes() const {
        std::vector<std::int32_t> values;
        for (const std::string& value : tagged("W ")) {
            values.push_back(std::stoi(value));
        }
        return values;
    }
};

inline const std::vector<scripted_press>& every_button_script() {
    static const std::vector<scripted_press> script{
        {"Command9", "", {"W 0"}},
        {"Command1", "", {"W 8", "W 10", "W 8", "W 0", "L Visee positionnee"}},
        {"Command1", "", {"L Visee positionnee"}},
        {"Command3",
         "",
         {"L Bouton de visee active", "L Visee positionnee", "W 32", "W 34", "W 32", "W 0"}},
        {"Command2", "", {"W 16", "W 18", "W 16", "W 0", "L CCD positionnee"}},
        {"Command3",
         "",
         {"L Bouton de visee active", "W 8", "W 10", "W 8", "W 0", "L Visee positionnee", "W 32",
          "W 34", "W 32", "W 0"}},
        {"Command4",
         "",
         {"L consigne 35", "W 24", "W 27", "W 24", "W 32", "W 33", "W 32", "W 0",
          "L lames en position  -1 Ang."}},
        {"Command5",
         "",
         {"L consigne 231", "W 56", "W 59", "W 56", "W 224", "W 225", "W 224", "W 0",
          "L lames en position  +1 Ang."}},
        {"Command6",
         "",
         {"L consigne 128", "W 0", "W 3", "W 0", "W 128", "W 129", "W 128", "W 0",
          "L lames en position Centre Raie"}},
        {"Command7",
         "",
         {"L consigne 80", "W 0", "W 3", "W 0", "W 80", "W 81", "W 80", "W 0",
          "L lames en position  -0.5 Ang."}},
        {"Command8",
         "",
         {"L consigne 178", "W 16", "W 19", "W 16", "W 176", "W 177", "W 176", "W 0",
          "L lames en position  +0.5 Ang."}},
        {"Command10", "36", {"L Consigne invalide"}},
        {"Command10",
         "100",
         {"L consigne 100", "W 32", "W 35", "W 32", "W 96", "W 97", "W 96", "W 0",
          "L lames en position  -0.3 Ang.", "L Consigne = 100"}},
        {"Command9", "", {"W 0"}},
    };
    return script;
}

/// Plays the script, one `press` a step (typing the step's entry first is the caller's), and
/// checks that each step logs its lines in the model's message log.
inline void play_every_button(const form1_model& model,
                              const std::function<void(const scripted_press&)>& press) {
    for (const scripted_press& step : every_button_script()) {
        const std::size_t logged = model.messages().size();
        press(step);
        const std::vector<std::string> new_lines(
            model.messages().begin() + static_cast<std::ptrdiff_t>(logged), model.messages().end());
        EXPECT_EQ(new_lines, step.tagged("L ")) << step.control;
    }
}

/// The bytes the panel's transcript shows in its "W" lines, in order, to hold against the
/// script's writes: "    1,502  W  10  0000 1010  code 8 + strobe B" gives 10. Only the
/// time may come before the W, however wide a long run makes it.
inline std::vector<std::int32_t> written_values(const std::vector<std::string>& transcript) {
    std::vector<std::int32_t> values;
    for (const std::string& line : transcript) {
        const std::size_t mark = line.find("  W ");
        if (mark != std::string::npos && line.find_first_not_of(" 0123456789.,") == mark + 2) {
            values.push_back(std::stoi(line.substr(mark + 4)));
        }
    }
    return values;
}

/// The bytes of the "W" lines `after` holds beyond those `before` held: what a press between
/// the two readings of the transcript wrote.
inline std::vector<std::int32_t> written_since(const std::vector<std::string>& before,
                                               const std::vector<std::string>& after) {
    std::vector<std::int32_t> values = written_values(after);
    const std::size_t seen = std::min(written_values(before).size(), values.size());
    values.erase(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(seen));
    return values;
}

/// The whole script as one trace.
inline std::vector<std::string> every_button_trace() {
    std::vector<std::string> trace;
    for (const scripted_press& press : every_button_script()) {
        trace.insert(trace.end(), press.trace.begin(), press.trace.end());
    }
    return trace;
}

/// The lines of a trace without its reads, whose number depends on how long a move takes.
inline std::vector<std::string> trace_without_reads(std::istream& trace) {
    std::vector<std::string> kept;
    for (std::string line; std::getline(trace, line);) {
        if (!line.starts_with("R ")) {
            kept.push_back(line);
        }
    }
    return kept;
}

}  // namespace helio::test
