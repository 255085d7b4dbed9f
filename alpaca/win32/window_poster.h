// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "alpaca/ui_poster.h"

namespace helio::alpaca {

/// Posts work to the thread that made it as a message to a message-only window: the
/// console's loop dispatches it, or the keep-alive of a running sequence does. Work still
/// queued when this poster goes is dropped.
class window_poster final : public ui_poster {
  public:
    /// Throws std::runtime_error if Windows refuses the window.
    explicit window_poster(HINSTANCE instance);
    ~window_poster() override;

    window_poster(const window_poster&) = delete;
    window_poster& operator=(const window_poster&) = delete;

    bool post(std::function<void()> work) override;

  private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM w, LPARAM l);

    HWND window_ = nullptr;
};

}  // namespace helio::alpaca
