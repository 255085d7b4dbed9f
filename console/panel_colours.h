// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

/// The panel's colours, the same in every view: a lit output line orange, a lit input line
/// green, a line known to be low dark grey, a line not yet seen pale grey, and the
/// simulation's banner yellow.
namespace helio::panel_colours {

struct rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(const rgb&, const rgb&) = default;
};

inline constexpr rgb output_lit{230, 81, 0};
inline constexpr rgb input_lit{46, 160, 67};
inline constexpr rgb dark_lamp{70, 70, 70};
inline constexpr rgb unknown_lamp{200, 200, 200};
inline constexpr rgb banner{255, 213, 79};
inline constexpr rgb violation{128, 0, 0};

}  // namespace helio::panel_colours
