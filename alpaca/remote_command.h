// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "alpaca/error_numbers.h"
#include "instrument/action.h"

namespace helio::alpaca {

/// How an action a client asked for ended: an error, or for a read the input byte.
struct command_outcome {
    alpaca_error error{};
    std::optional<std::int32_t> input_byte{};
};

/// The instrument as the remote devices reach it. submit() is called on the server's thread
/// and returns at once; `done` is called exactly once, later, from the instrument's thread.
class console_link {
  public:
    virtual ~console_link() = default;
    virtual void submit(action what, std::function<void(command_outcome)> done) = 0;
};

/// The action a client asks for: from the network, asked by the Alpaca device.
action client_action(action_kind kind, std::int32_t position = 0);

}  // namespace helio::alpaca
