// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "alpaca/error_numbers.h"
#include "instrument/action.h"

namespace helio::alpaca {

/// How an action a client asked for ended: an error, or for a read the input byte.
struct command_outcome {
    alpaca_error error{};
    std::optional<std::int32_t> input_byte{};
};

/// How long a client that waits for an action's end is held at most: less than the 5 s after
/// which common client libraries give up on a request.
inline constexpr std::chrono::seconds client_patience{4};

/// An action a client asks for, and who hears of it.
struct client_request {
    action what;
    /// Called exactly once, from the instrument's thread, as the action ends.
    std::function<void(command_outcome)> done;
    /// If given: called once, from the instrument's thread, when the action has not ended
    /// client_patience after it reached the console (it waits behind another, or runs
    /// long); `done` is still called at its end.
    std::function<void()> overdue{};
};

/// The instrument as the remote devices reach it. submit() is called on the server's thread
/// and returns at once.
class console_link {
  public:
    virtual ~console_link() = default;
    virtual void submit(client_request request) = 0;
};

/// The action a client asks for: from the network, asked by `asked_by`, the caller's name in
/// the records.
action client_action(action_kind kind, std::string asked_by, std::int32_t position = 0);

}  // namespace helio::alpaca
