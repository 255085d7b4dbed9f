// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/instrument_controls.h"

#include <commctrl.h>

#include "console/fault_statuses.h"
#include "console/panel_labels.h"
#include "console/panel_texts.h"
#include "console/win32/control_factory.h"
#include "console/win32/control_text.h"
#include "console/win32/list_box.h"
#include "console/win32/panel_controls.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

namespace captions = panel_captions;
namespace ids = panel_ids;

constexpr DWORD label_style = SS_LEFT | SS_NOPREFIX;
constexpr DWORD check_box_style = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD button_style = BS_PUSHBUTTON | WS_TABSTOP;

void add_choice(HWND combo, std::string_view text) {
    const std::wstring wide = to_utf16(text);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

/// The edit field of an editable combo box: where the mouse rests when it rests on it.
HWND edit_of(HWND combo) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    return GetComboBoxInfo(combo, &parts) && parts.hwndItem != nullptr ? parts.hwndItem : combo;
}

void set_check(HWND box, bool checked) {
    const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(box, BM_GETCHECK, 0, 0)) != state) {
        SendMessageW(box, BM_SETCHECK, state, 0);
    }
}

bool checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

instrument_controls::instrument_controls(virtual_instrument& instrument,
                                         const line_monitor& monitor)
    : instrument_(instrument), monitor_(monitor), violation_lines_(instrument, monitor) {}

void instrument_controls::create(HWND parent, HFONT font, HFONT fixed_font) {
    parent_ = parent;
    // Each box before what it holds: the first made is on top, as in a dialog template.
    create_child(parent, WC_BUTTONW, captions::instrument_box, BS_GROUPBOX, ids::instrument_box,
                 font);
    create_state(font);
    create_faults(font);
    create_speed(font);
    create_child(parent, WC_BUTTONW, captions::violations_box, BS_GROUPBOX, ids::violations_box,
                 font);
    create_child(parent, WC_STATICW, "", label_style, ids::violation_count, font);
    create_child(parent, WC_LISTBOXW, "",
                 LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                 ids::violations, fixed_font, WS_EX_CLIENTEDGE);
    refresh();
}

void instrument_controls::create_state(HFONT font) {
    create_child(parent_, WC_STATICW, captions::mirror_row, label_style, ids::mirror_label, font);
    create_child(parent_, WC_STATICW, "", label_style, ids::mirror_state, font);
    create_child(parent_, WC_STATICW, captions::blades_row, label_style, ids::blades_label, font);
    create_child(parent_, WC_STATICW, "", label_style, ids::blades_state, font);
    create_child(parent_, WC_STATICW, captions::pusher_row, label_style, ids::pusher_label, font);
    create_child(parent_, WC_STATICW, "", label_style, ids::pusher_state, font);
    create_child(parent_, WC_BUTTONW, captions::sighting_button, check_box_style,
                 ids::sighting_button, font);
}

void instrument_controls::create_faults(HFONT font) {
    create_child(parent_, WC_BUTTONW, captions::faults_box, BS_GROUPBOX, ids::faults_box, font);
    create_child(parent_, WC_BUTTONW, captions::mirror_stuck, check_box_style, ids::mirror_stuck,
                 font);
    create_child(parent_, WC_BUTTONW, captions::blades_stuck, check_box_style, ids::blades_stuck,
                 font);
    create_child(parent_, WC_STATICW, captions::access_fault_prompt, label_style, ids::fault_prompt,
                 font);
    HWND status = create_child(parent_, WC_COMBOBOXW, "",
                               CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                               ids::fault_status, font);
    for (const named_status& choice : fault_statuses) {
        add_choice(status, status_choice_text(choice));
    }
    SendMessageW(status, CB_SETCURSEL, 0, 0);
    create_tooltip(parent_, edit_of(status), captions::fault_status_tip);
    create_child(parent_, WC_BUTTONW, captions::arm_fault, button_style, ids::arm_fault, font);
    create_child(parent_, WC_BUTTONW, captions::cancel_fault, button_style, ids::cancel_fault,
                 font);
    create_child(parent_, WC_STATICW, "", label_style, ids::armed_fault, font);
}

void instrument_controls::create_speed(HFONT font) {
    create_child(parent_, WC_STATICW, captions::speed_row, label_style, ids::speed_label, font);
    HWND speed = create_child(parent_, WC_COMBOBOXW, "", CBS_DROPDOWNLIST | WS_TABSTOP,
                              ids::travel_speed, font);
    for (const travel_choice& choice : travel_choices) {
        add_choice(speed, choice.label);
    }
    create_tooltip(parent_, speed, captions::speed_tip);
}

void instrument_controls::place(const RECT& area, int dots_per_inch) const {
    const control_placer to(parent_, dots_per_inch);
    to.put(ids::instrument_box, area.left, area.top, area.right - area.left,
           area.bottom - area.top);
    const int left = area.left + to.at(10);
    const int width = area.right - area.left - to.at(20);
    int top = place_state(to, left, area.top + to.at(20), width);
    top = place_faults(to, left, top, width) + to.at(10);
    to.put(ids::speed_label, left, top + to.at(4), to.at(150), to.at(16));
    to.put(ids::travel_speed, left + to.at(155), top, width - to.at(155), to.at(160));
    place_violations(to, left, top + to.at(34), width, area.bottom - to.at(10));
}

int instrument_controls::place_state(const control_placer& to, int left, int top, int width) const {
    const int label_width = to.at(72);
    for (const auto& [label, value] : {std::pair{ids::mirror_label, ids::mirror_state},
                                       std::pair{ids::blades_label, ids::blades_state},
                                       std::pair{ids::pusher_label, ids::pusher_state}}) {
        to.put(label, left, top, label_width, to.at(16));
        to.put(value, left + label_width, top, width - label_width, to.at(16));
        top += to.at(20);
    }
    to.put(ids::sighting_button, left, top, width, to.at(20));
    return top + to.at(28);
}

int instrument_controls::place_faults(const control_placer& to, int left, int top,
                                      int width) const {
    const int inner_left = left + to.at(10);
    const int inner_width = width - to.at(20);
    const int first = top + to.at(20);
    to.put(ids::mirror_stuck, inner_left, first, inner_width, to.at(20));
    to.put(ids::blades_stuck, inner_left, first + to.at(22), inner_width, to.at(20));
    to.put(ids::fault_prompt, inner_left, first + to.at(48), inner_width, to.at(16));
    to.put(ids::fault_status, inner_left, first + to.at(66), inner_width, to.at(160));
    to.put(ids::arm_fault, inner_left, first + to.at(96), to.at(90), to.at(24));
    to.put(ids::cancel_fault, inner_left + to.at(98), first + to.at(96), to.at(90), to.at(24));
    to.put(ids::armed_fault, inner_left, first + to.at(126), inner_width, to.at(30));
    const int bottom = first + to.at(160);
    to.put(ids::faults_box, left, top, width, bottom - top);
    return bottom;
}

void instrument_controls::place_violations(const control_placer& to, int left, int top, int width,
                                           int bottom) const {
    const int inner_left = left + to.at(10);
    const int inner_width = width - to.at(20);
    to.put(ids::violations_box, left, top, width, bottom - top);
    to.put(ids::violation_count, inner_left, top + to.at(20), inner_width, to.at(16));
    to.put(ids::violations, inner_left, top + to.at(40), inner_width, bottom - top - to.at(50));
}

bool instrument_controls::command(int id, int notification) {
    switch (id) {
        case ids::sighting_button:
            instrument_.set_sighting_button(checked(item(id)));
            break;
        case ids::mirror_stuck:
            instrument_.set_mirror_stuck(checked(item(id)));
            break;
        case ids::blades_stuck:
            instrument_.set_blades_stuck(checked(item(id)));
            break;
        case ids::fault_status:
            if (notification == CBN_EDITCHANGE || notification == CBN_SELCHANGE) {
                entry_refused_ = false;  // a new entry, to be judged when armed
            }
            break;
        case ids::arm_fault:
            arm_fault();
            break;
        case ids::cancel_fault:
            instrument_.cancel_fault();
            break;
        case ids::travel_speed:
            if (notification == CBN_SELCHANGE) {
                const auto index = SendMessageW(item(id), CB_GETCURSEL, 0, 0);
                if (index >= 0 && static_cast<std::size_t>(index) < travel_choices.size()) {
                    instrument_.set_travel_scale(
                        travel_choices[static_cast<std::size_t>(index)].scale);
                }
            }
            break;
        default:
            return false;
    }
    refresh();
    return true;
}

void instrument_controls::arm_fault() {
    const std::optional<status_code> status =
        parse_failure_status(window_text(item(ids::fault_status)));
    entry_refused_ = !status;
    if (status) {
        instrument_.fail_next_access(*status);
    }
}

void instrument_controls::refresh() {
    const instrument_snapshot state = instrument_.snapshot();
    show_state(state);
    show_switches(state);
    show_new_violations();
}

void instrument_controls::show_state(const instrument_snapshot& state) {
    show_text(item(ids::mirror_state), mirror_text(state));
    show_text(item(ids::blades_state), blades_text(state, monitor_.decimal_separator()));
    show_text(item(ids::pusher_state), pusher_text(state));
    const std::string armed =
        entry_refused_ ? std::string(captions::unknown_status) : armed_fault_text(state);
    show_text(item(ids::armed_fault), armed);
}

void instrument_controls::show_switches(const instrument_snapshot& state) {
    set_check(item(ids::sighting_button), state.sighting_button);
    set_check(item(ids::mirror_stuck), state.mirror_stuck);
    set_check(item(ids::blades_stuck), state.blades_stuck);
    HWND speed = item(ids::travel_speed);
    if (const auto choice = travel_choice_index(state.travel_scale)) {
        if (SendMessageW(speed, CB_GETCURSEL, 0, 0) != static_cast<LRESULT>(*choice)) {
            SendMessageW(speed, CB_SETCURSEL, *choice, 0);
        }
    }
}

void instrument_controls::show_new_violations() {
    show_new_lines(item(ids::violations), std::nullopt, violation_lines_.new_lines(),
                   virtual_instrument::kept_violations);
    show_text(item(ids::violation_count), violation_count_text(instrument_.violations_seen()));
}

}  // namespace helio::win32
