// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/window_class.h"

#include <stdexcept>
#include <string>

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                           HBRUSH background) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) {
        return;
    }
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = procedure;
    description.hInstance = instance;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    description.hbrBackground = background;
    description.lpszClassName = name;
    if (RegisterClassExW(&description) == 0) {
        throw std::runtime_error("cannot register the window class " + to_utf8(name));
    }
}

}  // namespace helio::win32
