// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The start-up and memory floor of the Windows console: a native window with Form1's client
// area and one push button, built with the same flags, the same static runtime and the same
// manifest, and nothing else. It marks `main` and `painted` as the console does (the timeline
// does nothing unless the probe asks for it), so that the time before `main`, spent by the
// loader and the runtime, is set against the console's own.
#include <windows.h>

#include "app/startup_timeline.h"
#include "console/form_layout.h"

namespace {

constexpr DWORD window_style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

LRESULT CALLBACK bare_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/, int show) {
    helio::startup_timeline timeline;
    WNDCLASSW bare{};
    bare.lpfnWndProc = bare_procedure;
    bare.hInstance = instance;
    bare.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    bare.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    bare.lpszClassName = L"bare_window";
    RegisterClassW(&bare);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    namespace layout = helio::layout;
    RECT area{0, 0, layout::twips_to_pixels(layout::client_width_twips, dpi),
              layout::twips_to_pixels(layout::client_height_twips, dpi)};
    AdjustWindowRectEx(&area, window_style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"bare_window", L"bare_window", window_style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, area.right - area.left, area.bottom - area.top,
                                  nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 24, 16, 75, 23,
                    window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    timeline.mark("painted");

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
