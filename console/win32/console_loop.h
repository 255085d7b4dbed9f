// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <vector>

#include "console/win32/form1_window.h"

namespace helio::win32 {

/// The console's message loop: Form1's F12 first, then the dialog keys (Tab, the arrows)
/// in Form1 and in the other windows that ask for them (the panel), then the ordinary
/// translation and dispatch.
class console_loop {
  public:
    explicit console_loop(const form1_window& form) : form_(form) {}

    /// A window whose controls Tab and the arrows move between, as in a dialog.
    void add_dialog(HWND window) { dialogs_.push_back(window); }

    /// What the loop does with one message taken from the queue.
    void handle(MSG& message) const;

    /// Handles messages until the quit message; returns its exit code.
    int run() const;

  private:
    const form1_window& form_;
    std::vector<HWND> dialogs_;
};

}  // namespace helio::win32
