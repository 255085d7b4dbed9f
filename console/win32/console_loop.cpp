// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/console_loop.h"

namespace helio::win32 {

namespace {

/// The dialog manager's handling of a key in `window`, if the message is for it.
bool dialog_key(HWND window, MSG& message) {
    // A null window would match the thread's own messages, which have no window either.
    return window != nullptr && IsWindow(window) && IsDialogMessageW(window, &message);
}

}  // namespace

void console_loop::handle(MSG& message) const {
    if (form_.translate_accelerator(message) || dialog_key(form_.handle(), message)) {
        return;
    }
    for (HWND dialog : dialogs_) {
        if (dialog_key(dialog, message)) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int console_loop::run() const {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        handle(message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace helio::win32
