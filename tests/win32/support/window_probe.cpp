// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/window_probe.h"

#include <array>
#include <vector>

namespace helio::test {

namespace {

/// What the answerer saw. A timer procedure takes no context, so it lives here; one
/// answerer at a time.
struct seen_box {
    int count = 0;
    std::wstring title;
    std::wstring text;
};

seen_box& seen() {
    static seen_box box;
    return box;
}

BOOL CALLBACK collect_static_text(HWND child, LPARAM into) {
    if (_wcsicmp(window_class(child).c_str(), L"Static") == 0) {
        *reinterpret_cast<std::wstring*>(into) += window_text(child);
    }
    return TRUE;
}

BOOL CALLBACK find_message_box(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && window_class(window) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK answer_message_box(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_message_box, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    seen_box& record = seen();
    ++record.count;
    record.title = window_text(box);
    record.text.clear();
    EnumChildWindows(box, collect_static_text, reinterpret_cast<LPARAM>(&record.text));
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
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();

    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    const DWORD background_pixel = (DWORD{GetRValue(background)} << 16) |
                                   (DWORD{GetGValue(background)} << 8) | GetBValue(background);
    const auto* pixels = static_cast<const DWORD*>(bits);
    int ink = 0;
    for (int i = 0; i < width * height; ++i) {
        ink += (pixels[i] & 0xFFFFFF) != background_pixel ? 1 : 0;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return ink;
}

COLORREF pixel(HWND window, POINT point) {
    HDC screen = GetDC(window);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(window, screen);
    return colour;
}

std::vector<std::wstring> list_lines(HWND list) {
    std::vector<std::wstring> lines;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        const auto length = static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0));
        std::wstring line(length + 1, L'\0');  // and the terminating null
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line.data()));
        line.resize(length);
        lines.push_back(line);
    }
    return lines;
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
    seen() = {};
}

message_box_answerer::~message_box_answerer() {
    KillTimer(nullptr, timer_);
}

int message_box_answerer::boxes_seen() const {
    return seen().count;
}

const std::wstring& message_box_answerer::title() const {
    return seen().title;
}

const std::wstring& message_box_answerer::text() const {
    return seen().text;
}

}  // namespace helio::test
