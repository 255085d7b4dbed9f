// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/program_identity.h"

#include <commctrl.h>

#include "app/version.h"
#include "console/form_layout.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {
namespace {

constexpr UINT_PTR subclass_id = 1;

LRESULT CALLBACK identity_procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR /*id*/,
                                    DWORD_PTR /*data*/) {
    if (message == WM_SYSCOMMAND && (w & 0xFFF0) == about_command) {
        MessageBoxW(window, to_utf16(version_text()).c_str(),
                    to_utf16(layout::window_title).c_str(), MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, identity_procedure, subclass_id);
    }
    return DefSubclassProc(window, message, w, l);
}

void set_icon(HWND window, HINSTANCE instance, WPARAM kind, int width_metric, int height_metric) {
    // Shared: the system frees it with the module.
    auto* icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(program_icon_id),
                                               IMAGE_ICON, GetSystemMetrics(width_metric),
                                               GetSystemMetrics(height_metric), LR_SHARED));
    SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void show_program_identity(HWND window, HINSTANCE instance) {
    set_icon(window, instance, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
    set_icon(window, instance, ICON_BIG, SM_CXICON, SM_CYICON);
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, about_command, to_utf16("À propos de la console…").c_str());
    SetWindowSubclass(window, identity_procedure, subclass_id, 0);
}

}  // namespace helio::win32
