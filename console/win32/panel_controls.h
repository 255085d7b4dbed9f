// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

/// The ids of the panel's controls, in one place, and the names the tests and accessibility
/// tools find them by (those of the Qt view's widgets).
namespace helio::win32::panel_ids {

enum : int {
    // Clear of IDOK and IDCANCEL, which the dialog keys send, and of Form1's ids.
    banner = 300,
    lines_box,
    outputs_label,
    output_lamps,
    output_value,
    inputs_label,
    input_lamps,
    input_value,
    wait,
    counts,
    transcript_box,
    transcript_legend,
    transcript,
    instrument_box,
    mirror_label,
    mirror_state,
    blades_label,
    blades_state,
    pusher_label,
    pusher_state,
    sighting_button,
    faults_box,
    mirror_stuck,
    blades_stuck,
    fault_prompt,
    fault_status,
    arm_fault,
    cancel_fault,
    armed_fault,
    speed_label,
    travel_speed,
    violations_box,
    violation_count,
    violations,
};

struct named_id {
    std::string_view name;
    int id;
};

inline constexpr std::array<named_id, 21> named{{
    {"simulation_banner", banner},
    {"output_lamps", output_lamps},
    {"output_value", output_value},
    {"input_lamps", input_lamps},
    {"input_value", input_value},
    {"wait", wait},
    {"counts", counts},
    {"transcript", transcript},
    {"mirror_state", mirror_state},
    {"blades_state", blades_state},
    {"pusher_state", pusher_state},
    {"sighting_button", sighting_button},
    {"mirror_stuck", mirror_stuck},
    {"blades_stuck", blades_stuck},
    {"fault_status", fault_status},
    {"arm_fault", arm_fault},
    {"cancel_fault", cancel_fault},
    {"armed_fault", armed_fault},
    {"travel_speed", travel_speed},
    {"violation_count", violation_count},
    {"violations", violations},
}};

}  // namespace helio::win32::panel_ids
