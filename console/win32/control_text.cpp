// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/control_text.h"

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

std::wstring wide_window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::string window_text(HWND window) {
    return to_utf8(wide_window_text(window));
}

void show_text(HWND control, std::string_view text) {
    const std::wstring wide = to_utf16(text);
    if (wide_window_text(control) != wide) {
        SetWindowTextW(control, wide.c_str());
    }
}

void show_check(HWND box, bool checked) {
    const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(box, BM_GETCHECK, 0, 0)) != state) {
        SendMessageW(box, BM_SETCHECK, state, 0);
    }
}

void show_choice(HWND combo, std::size_t index) {
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != static_cast<LRESULT>(index)) {
        SendMessageW(combo, CB_SETCURSEL, index, 0);
    }
}

}  // namespace helio::win32
