// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

/// The lines the sequences print in the console's message log, as the operators know them.
namespace helio::messages {

inline constexpr std::string_view sighting_positioned = "Visee positionnee";
inline constexpr std::string_view ccd_positioned = "CCD positionnee";
inline constexpr std::string_view sighting_button_inactive = "Bouton de visee NON active";
inline constexpr std::string_view sighting_button_active = "Bouton de visee active";
inline constexpr std::string_view setpoint_prefix = "consigne ";
inline constexpr std::string_view blades_at_line_centre = "lames en position Centre Raie";
inline constexpr std::string_view blades_above_prefix = "lames en position  +";
inline constexpr std::string_view blades_below_prefix = "lames en position  ";
inline constexpr std::string_view angstrom_suffix = " Ang.";
inline constexpr std::string_view invalid_setpoint = "Consigne invalide";
inline constexpr std::string_view setpoint_done_prefix = "Consigne = ";

}  // namespace helio::messages
