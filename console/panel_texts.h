// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

/// What each TTL line means to the heliograph's controller, as the maintainer's panel
/// labels its lamps (bit 0 first). UTF-8.
namespace helio::line_meanings {

inline constexpr std::array<std::string_view, 8> outputs{
    "strobe A",      "strobe B",           "libre",   "code 8 (visée)",
    "code 16 (CCD)", "code 32 (poussoir)", "code 64", "code 128",
};

inline constexpr std::array<std::string_view, 8> inputs{
    "bouton de visée", "visée en position",
    "CCD en position", "lames en position",
    "libre",           "libre",
    "libre",           "libre",
};

/// The input bits the controller reports, by short name for the transcript (bit 0 first).
inline constexpr std::array<std::string_view, 4> status_short_names{"bouton", "visée", "CCD",
                                                                    "lames"};

}  // namespace helio::line_meanings

/// The titles of the panel window, by what the console is connected to.
namespace helio::panel_titles {

inline constexpr std::string_view simulator =
    "SIMULATION — Héliographe virtuel (aucun instrument raccordé)";
inline constexpr std::string_view real_device = "Moniteur des lignes TTL — instrument réel";

}  // namespace helio::panel_titles
