// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "ttl/instrument_event.h"

namespace helio {

/// One piece of work for the instrument, whoever asks for it: a button of the window, the
/// maintainer's panel or a client of the network device. Every action waits its turn in the
/// instrument's one queue and runs there to its end.
struct action {
    action_kind kind;
    action_origin origin = action_origin::window;
    std::int32_t position = 0;  ///< blades_to and go_to: -10 to +10
    std::string entry{};        ///< go: the setpoint entry's text, as typed
    /// Who asked, as the records name them: the control pressed ("Command6"), or the
    /// network device ("Alpaca").
    std::string asked_by{};
};

/// Writes in `label` how the records name an action: "Alpaca : GO 178", "Command6 :
/// consigne 128" (the control or client that asked, then what the action does, in the
/// operator's words). Into a buffer the caller keeps, so that a press allocates nothing.
void write_action_label(const action& what, std::string& label);

/// How an action ended.
struct action_outcome {
    action_result result = action_result::done;
    std::exception_ptr error{};                ///< failed: what stopped it
    std::string message{};                     ///< failed: what the operator would be told of it
    std::optional<std::int32_t> input_byte{};  ///< read_inputs: what the lines read
    std::optional<std::int32_t> setpoint{};    ///< a blade move: the code it sent
};

/// Told once, on the instrument's thread, as the action ends.
using action_done = std::function<void(const action_outcome&)>;

}  // namespace helio
