// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/window_probe.h"

#include <array>

#include "ttl/win32/wide_text.h"

namespace helio::test {

namespace {

/// What the answerer saw. A timer procedure takes no context, so it lives here; one
/// answerer at a time.
message_box_answerer::answered& record() {
    static message_box_answerer::answered box;
    return box;
}

struct window_search {
    DWORD process;
    std::wstring_view title;
    std::wstring_view class_name;
    HWND found = nullptr;
};

BOOL CALLBACK find_shown(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<window_search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // Visible only: a window is made hidden and shown a moment later, and a test that
    // caught it in between would see a window the operator never saw.
    if (owner == search->process && IsWindowVisible(window) &&
        (search->class_name.empty() ? window_text(window) == search->title
                                    : window_class(window) == search->class_name)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/// WM_GETTEXT, which Windows carries across processes, unlike GetWindowText for controls.
BOOL CALLBACK collect_static_text(HWND child, LPARAM into) {
    if (_wcsicmp(window_class(child).c_str(), L"Static") == 0) {
        std::array<wchar_t, 2048> text{};
        SendMessageW(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        *reinterpret_cast<std::wstring*>(into) += text.data();
    }
    return TRUE;
}

void CALLBACK answer_message_box(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = find_shown_window(GetCurrentProcessId(), {}, L"#32770");
    if (box == nullptr) {
        return;
    }
    ++record().count;
    record().title = window_text(box);
    record().text = message_box_text(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

std::wstring window_text(HWND window) {
    std::array<wchar_t, 1024> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring window_class(HWND window) {
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

RECT client_rect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

RECT window_rect(HWND window, HWND within) {
    RECT frame{};
    GetWindowRect(window, &frame);
    MapWindowPoints(nullptr, within, reinterpret_cast<POINT*>(&frame), 2);
    return frame;
}

HWND find_shown_window(DWORD process, std::wstring_view title, std::wstring_view class_name) {
    window_search search{process, title, class_name};
    EnumWindows(find_shown, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring message_box_text(HWND box) {
    std::wstring text;
    EnumChildWindows(box, collect_static_text, reinterpret_cast<LPARAM>(&text));
    return text;
}

void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void click(HWND control) {
    const LPARAM inside = MAKELPARAM(4, 4);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(control, WM_LBUTTONUP, 0, inside);
    pump_messages();
}

int ink_pixels(HWND window, const RECT& area) {
    HDC screen = GetDC(window);
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            ink += GetPixel(screen, x, y) != background ? 1 : 0;
        }
    }
    ReleaseDC(window, screen);
    return ink;
}

COLORREF pixel(HWND window, POINT point) {
    HDC screen = GetDC(window);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(window, screen);
    return colour;
}

void choose(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void type_in(HWND combo, const wchar_t* text) {
    SetWindowTextW(combo, text);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

message_box_answerer::message_box_answerer()
    : timer_(SetTimer(nullptr, 0, 50, answer_message_box)) {
    record() = {};
}

message_box_answerer::~message_box_answerer() {
    KillTimer(nullptr, timer_);
}

const message_box_answerer::answered& message_box_answerer::seen() const {
    return record();
}

std::vector<std::string> utf8_lines(HWND list) {
    std::vector<std::string> lines;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        std::wstring line(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1,
                          L'\0');  // and the terminating null
        line.resize(static_cast<std::size_t>(
            SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line.data()))));
        lines.push_back(win32::to_utf8(line));
    }
    return lines;
}

}  // namespace helio::test
