// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace helio::alpaca {

/// Hands work to the console's thread, the one that owns the window and the port, from any
/// thread. The work runs there in the order posted: in the event loop, or in the keep-alive
/// of a running sequence. Each toolkit has its own (a queued call on Qt, a posted message
/// on Win32).
class ui_poster {
  public:
    virtual ~ui_poster() = default;

    /// False if the work could not be posted (it will then never run).
    virtual bool post(std::function<void()> work) = 0;
};

}  // namespace helio::alpaca
