// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace helio::win32 {

/// Registers the window class `name` of `instance` the first time it is asked for, with an
/// arrow cursor and the given background (nullptr: the window paints all of itself).
/// Throws std::runtime_error if Windows refuses.
void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                           HBRUSH background);

/// The window procedure of a class whose every window is run by an object of type Owner,
/// the creation parameter given to CreateWindowEx: the object learns its window's handle
/// (`window_`) at the first message and handles every message that follows
/// (`HandleMessage`) up to WM_DESTROY, where it lets go of the handle. An Owner names this
/// its friend.
template <class Owner>
LRESULT CALLBACK owned_window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        owner->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // The last message comes after the owner has let go of the window on WM_DESTROY.
    if (owner == nullptr || message == WM_NCDESTROY) {
        return DefWindowProcW(window, message, w, l);
    }
    return owner->HandleMessage(message, w, l);
}

}  // namespace helio::win32
