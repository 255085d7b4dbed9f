// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string_view>

#include "console/panel_texts.h"

/// The panel's controls in one table: their ids, the names the tests and accessibility
/// tools find them by (those of the Qt view's widgets), and how each is made. Made in the
/// table's order, each box before what it holds (the first made is on top, as in a dialog
/// template), which is also the order Tab moves in.
namespace helio::win32::panel_ids {

enum : int {
    // Clear of IDOK and IDCANCEL, which the dialog keys send, and of Form1's ids.
    lines_box = 300,
    outputs_label,
    output_value,
    output_lamps,
    inputs_label,
    input_value,
    input_lamps,
    wait,
    counts,
    status_lines,
    transcript_box,
    transcript_legend,
    transcript,
    banner,  // the simulator's from here on
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

/// The fonts of the panel, by what they show.
enum class font_role { text, bold, value, fixed };

struct control {
    int id;
    std::string_view name;  ///< empty for what no test looks for
    const wchar_t* class_name;
    DWORD style;
    std::string_view caption;  ///< UTF-8
    font_role font = font_role::text;
    DWORD extended_style = 0;
};

namespace detail {
namespace c = panel_captions;
inline constexpr DWORD label = SS_LEFT | SS_NOPREFIX;
inline constexpr DWORD value = SS_RIGHT | SS_NOPREFIX;
inline constexpr DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
inline constexpr DWORD push = BS_PUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD list =
    LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
}  // namespace detail

using namespace detail;

/// The lamp rows are windows of their own, made apart (lamp_row).
inline constexpr std::array<control, 33> controls{{
    {lines_box, "", WC_BUTTONW, BS_GROUPBOX, c::lines_box},
    {outputs_label, "", WC_STATICW, label, c::outputs_row},
    {output_value, "output_value", WC_STATICW, label, "", font_role::value},
    {inputs_label, "", WC_STATICW, label, c::inputs_row},
    {input_value, "input_value", WC_STATICW, label, "", font_role::value},
    {wait, "wait", WC_STATICW, label, ""},
    {counts, "counts", WC_STATICW, label, ""},
    {status_lines, "status_lines", WC_STATICW, label, ""},
    {transcript_box, "", WC_BUTTONW, BS_GROUPBOX, c::transcript_box},
    {transcript_legend, "", WC_STATICW, label, c::transcript_legend},
    {transcript, "transcript", WC_LISTBOXW, list, "", font_role::fixed, WS_EX_CLIENTEDGE},
    {banner, "simulation_banner", WC_STATICW, label | SS_CENTERIMAGE, c::simulation_banner,
     font_role::bold},
    {instrument_box, "", WC_BUTTONW, BS_GROUPBOX, c::instrument_box},
    {mirror_label, "", WC_STATICW, label, c::mirror_row},
    {mirror_state, "mirror_state", WC_STATICW, label, ""},
    {blades_label, "", WC_STATICW, label, c::blades_row},
    {blades_state, "blades_state", WC_STATICW, label, ""},
    {pusher_label, "", WC_STATICW, label, c::pusher_row},
    {pusher_state, "pusher_state", WC_STATICW, label, ""},
    {sighting_button, "sighting_button", WC_BUTTONW, check, c::sighting_button},
    {faults_box, "", WC_BUTTONW, BS_GROUPBOX, c::faults_box},
    {mirror_stuck, "mirror_stuck", WC_BUTTONW, check, c::mirror_stuck},
    {blades_stuck, "blades_stuck", WC_BUTTONW, check, c::blades_stuck},
    {fault_prompt, "", WC_STATICW, label, c::access_fault_prompt},
    {fault_status, "fault_status", WC_COMBOBOXW,
     CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, ""},
    {arm_fault, "arm_fault", WC_BUTTONW, push, c::arm_fault},
    {cancel_fault, "cancel_fault", WC_BUTTONW, push, c::cancel_fault},
    {armed_fault, "armed_fault", WC_STATICW, label, ""},
    {speed_label, "", WC_STATICW, label, c::speed_row},
    {travel_speed, "travel_speed", WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, ""},
    {violations_box, "", WC_BUTTONW, BS_GROUPBOX, c::violations_box},
    {violation_count, "violation_count", WC_STATICW, label, ""},
    {violations, "violations", WC_LISTBOXW, list, "", font_role::fixed, WS_EX_CLIENTEDGE},
}};

}  // namespace helio::win32::panel_ids
