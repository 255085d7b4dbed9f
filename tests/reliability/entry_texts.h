// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace helio::test {

/// The codes of the blade controller's calibration, from 1.0 Å below the line centre to
/// 1.0 Å above it, as the instrument's documentation lists them.
inline constexpr std::array<std::int64_t, 21> blade_codes{35,  45,  54,  63,  71,  80,  87,
                                                          100, 113, 121, 128, 138, 148, 159,
                                                          169, 178, 190, 200, 209, 220, 231};

/// The setpoint entry holds at most this many characters.
inline constexpr std::size_t entry_capacity = 3;

/// The characters tried in the setpoint entry: printable ASCII (the space among them), the
/// tab, the other blank the conversion accepts (it reaches the entry by pasting), and "à"
/// (two bytes of UTF-8, one character of the entry).
inline std::vector<std::string> entry_alphabet() {
    std::vector<std::string> alphabet;
    for (char c = ' '; c <= '~'; ++c) {
        alphabet.emplace_back(1, c);
    }
    alphabet.emplace_back("\t");
    alphabet.emplace_back("\xC3\xA0");
    return alphabet;
}

}  // namespace helio::test
