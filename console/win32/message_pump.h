// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

namespace helio::win32 {

/// Lets the window system talk to the thread while a sequence holds it: paints, sent
/// messages, posted messages and timers are dispatched; mouse and keyboard messages stay
/// queued, so that a click made meanwhile is handled once the sequence has ended.
void pump_all_but_input();

}  // namespace helio::win32
