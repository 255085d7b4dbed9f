// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ttl/instrument_event.h"

/// The one description of the console window that every view builds itself from.
namespace helio::layout {

enum class control_kind { button, label, text_entry };

/// What pressing a button asks of the instrument.
struct button_action {
    action_kind kind;
    std::int32_t position = 0;  ///< blades_to
};

/// A control of the window; positions and sizes in twips (1/1440 inch) inside the client
/// area. The window's table lists the controls in tab order.
struct control_spec {
    std::string_view name;
    control_kind kind;
    std::string_view caption;  ///< UTF-8
    int left;
    int top;
    int width;
    int height;
    /// What pressing it asks of the instrument; none for what is no button.
    std::optional<button_action> press;
};

inline constexpr std::string_view window_title = "COMMANDES TTL HELIOGRAPHE";
inline constexpr int client_width_twips = 5205;
inline constexpr int client_height_twips = 5475;

inline constexpr std::string_view setpoint_entry_name = "Text1";
inline constexpr std::size_t setpoint_entry_max_length = 3;
inline constexpr std::string_view setpoint_entry_tooltip =
    "Entrez la consigne, puis cliquez sur GO";

using enum control_kind;
using enum action_kind;

inline constexpr std::array<control_spec, 13> controls{{
    {"Command1", button, "VISEE", 360, 240, 855, 495, button_action{sighting}},
    {"Command2", button, "CCD", 3600, 240, 855, 495, button_action{ccd}},
    {"Command3", button, "POUSSOIR", 1800, 240, 1215, 495, button_action{pusher}},
    {"Command4", button, "Halpha -1.0 A", 240, 1920, 1215, 495, button_action{blades_to, -10}},
    {"Command5", button, "Halpha + 1.0 A", 3360, 1920, 1215, 495, button_action{blades_to, 10}},
    {"Command6", button, "H alpha", 1800, 2760, 1215, 495, button_action{blades_to, 0}},
    {"Command7", button, "H alpha -0.5 A", 240, 3600, 1215, 495, button_action{blades_to, -5}},
    {"Command8", button, "H alpha +0.5 A", 3360, 3600, 1215, 495, button_action{blades_to, 5}},
    {"Label1", label, "HELIOGRAPHE - PROGRAMME DE TESTS", 960, 5040, 3255, 255, std::nullopt},
    {"Command9", button, "INIT TTL output", 1680, 960, 1455, 495, button_action{reset_outputs}},
    {"Text1", text_entry, "", 2040, 4320, 735, 375, std::nullopt},
    {"Label2", label, "Autre consigne (35 \xC3\xA0 231):", 720, 4320, 1215, 495, std::nullopt},
    {"Command10", button, "GO", 2880, 4320, 615, 375, button_action{go}},
}};

/// The table entry named `name`, if there is one.
constexpr std::optional<control_spec> find_control(std::string_view name) {
    for (const control_spec& control : controls) {
        if (control.name == name) {
            return control;
        }
    }
    return std::nullopt;
}

/// Twips to device pixels at `dots_per_inch`, to the nearest pixel (15 twips a pixel at 96).
constexpr int twips_to_pixels(int twips, int dots_per_inch) {
    const long long scaled = static_cast<long long>(twips) * dots_per_inch;
    return static_cast<int>((scaled + (scaled >= 0 ? 720 : -720)) / 1440);
}

}  // namespace helio::layout
