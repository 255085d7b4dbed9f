// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/message_pump.h"

#include <windows.h>

#include <array>

namespace helio::win32 {

namespace {

struct message_range {
    UINT first;
    UINT last;
};

// Everything but the keyboard and mouse messages, for those that come posted rather than
// from the input queue (a test's clicks, another program's).
constexpr std::array<message_range, 3> non_input_ranges{{
    {0, WM_KEYFIRST - 1},
    {WM_KEYLAST + 1, WM_MOUSEFIRST - 1},
    {WM_MOUSELAST + 1, 0xFFFFFFFFu},
}};

constexpr UINT non_input_queues = PM_QS_PAINT | PM_QS_SENDMESSAGE | PM_QS_POSTMESSAGE;

}  // namespace

void pump_all_but_input() {
    for (const message_range& range : non_input_ranges) {
        MSG message;
        while (PeekMessageW(&message, nullptr, range.first, range.last,
                            PM_REMOVE | non_input_queues)) {
            if (message.message == WM_QUIT) {
                // Not ours to take: the program's own loop must still see it.
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            DispatchMessageW(&message);
        }
    }
}

}  // namespace helio::win32
