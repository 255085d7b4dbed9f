// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/child_controls.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

/// The module that made `window`, for the windows made as its children.
HINSTANCE instance_of(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

}  // namespace

HWND create_child(HWND parent, const window_kind& kind, std::string_view caption, int id,
                  HFONT font, const RECT& place) {
    HWND child = CreateWindowExW(kind.extended_style, kind.class_name, to_utf16(caption).c_str(),
                                 WS_CHILD | WS_VISIBLE | kind.style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance_of(parent), nullptr);
    if (child == nullptr) {
        throw std::runtime_error("cannot create a control");
    }
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void add_choice(HWND combo, std::string_view text) {
    const std::wstring wide = to_utf16(text);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

HWND combo_entry(HWND combo) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    return GetComboBoxInfo(combo, &parts) && parts.hwndItem != nullptr ? parts.hwndItem : combo;
}

HWND create_tooltip(HWND parent, HWND control, std::string_view text) {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                                   instance_of(parent), nullptr);
    if (tooltip == nullptr) {
        return nullptr;
    }
    std::wstring wide = to_utf16(text);
    TOOLINFOW tool{};
    // The size common controls 5 and 6 both accept.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tooltip;
}

}  // namespace helio::win32
