// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/list_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "console/win32/gui_font.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

/// Past this many lines at once, the list is drawn once at the end instead of line by line.
constexpr std::size_t lines_drawn_one_by_one = 32;

int line_count(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
}

/// True when the last line is in sight (or there is none).
bool shows_last_line(HWND list) {
    const int count = line_count(list);
    if (count == 0) {
        return true;
    }
    RECT client{};
    GetClientRect(list, &client);
    const auto line_height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int in_sight =
        line_height > 0 ? std::max(1, static_cast<int>(client.bottom) / line_height) : 1;
    const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    return top + in_sight >= count;
}

/// Pixels the widest of `lines` takes in the list's font.
int widest(HWND list, const std::vector<std::wstring>& lines) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    int width = 0;
    for (const std::wstring& line : lines) {
        width = std::max(width, static_cast<int>(text_size(font, line).cx));
    }
    return width;
}

void add(HWND list, const std::wstring& line, int at = -1) {
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(at),
                 reinterpret_cast<LPARAM>(line.c_str()));
}

}  // namespace

void show_changes(HWND list, const list_changes& changes) {
    if (changes.empty()) {
        return;
    }
    const bool following = shows_last_line(list);
    const bool many = changes.new_lines.size() > lines_drawn_one_by_one;
    if (many) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    }
    std::vector<std::wstring> added;
    if (changes.last_line && line_count(list) > 0) {
        const int last = line_count(list) - 1;
        added.push_back(to_utf16(*changes.last_line));
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(last), 0);
        add(list, added.back(), last);
    }
    for (const std::string& line : changes.new_lines) {
        added.push_back(to_utf16(line));
        add(list, added.back());
    }
    for (std::size_t i = 0; i < changes.dropped; ++i) {
        SendMessageW(list, LB_DELETESTRING, 0, 0);
    }
    const int extent = static_cast<int>(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0));
    const int needed = widest(list, added) + GetSystemMetrics(SM_CXVSCROLL);
    if (needed > extent) {
        SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(needed), 0);
    }
    if (following) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(line_count(list) - 1), 0);
    }
    if (many) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
}

}  // namespace helio::win32
