// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/control_factory.h"

#include <string>

#include "console/caption_fit.h"
#include "console/win32/gui_font.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

window_kind kind_of(layout::control_kind kind) {
    switch (kind) {
        case layout::control_kind::button:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case layout::control_kind::label:
            return {L"STATIC", SS_LEFT};
        case layout::control_kind::text_entry:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", SS_LEFT};
}

/// Pixels a push button's frame keeps on either side of its caption.
constexpr int button_text_margin = 6;

}  // namespace

bool captions_fit_in(HFONT font, int dots_per_inch) {
    const auto size_of = [font](std::string_view caption, int wrap_width) {
        return text_size(font, to_utf16(caption), wrap_width);
    };
    return layout::captions_fit(
        {[&](std::string_view caption) { return static_cast<int>(size_of(caption, 0).cx); },
         [&](std::string_view caption, int width) {
             return static_cast<int>(size_of(caption, width).cy);
         },
         button_text_margin},
        dots_per_inch);
}

RECT control_rectangle(const layout::control_spec& item, int dots_per_inch) {
    const int left = layout::twips_to_pixels(item.left, dots_per_inch);
    const int top = layout::twips_to_pixels(item.top, dots_per_inch);
    return {left, top, left + layout::twips_to_pixels(item.width, dots_per_inch),
            top + layout::twips_to_pixels(item.height, dots_per_inch)};
}

HWND create_control(HWND parent, const layout::control_spec& item, int id, int dots_per_inch,
                    HFONT font) {
    HWND control = create_child(parent, kind_of(item.kind), item.caption, id, font,
                                control_rectangle(item, dots_per_inch));
    if (item.kind == layout::control_kind::text_entry && item.name == layout::setpoint_entry_name) {
        SendMessageW(control, EM_SETLIMITTEXT, layout::setpoint_entry_max_length, 0);
    }
    return control;
}

}  // namespace helio::win32
