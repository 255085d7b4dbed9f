// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "alpaca/error_numbers.h"

namespace helio::alpaca {

/// What a remote client can have the console do on the instrument: the sequences of the
/// buttons, and one read of the input lines.
enum class command_kind {
    move_blades,    ///< GO's move to the setpoint of `position`
    sighting,       ///< VISEE
    ccd,            ///< CCD
    pusher,         ///< POUSSOIR, interlock included
    reset_outputs,  ///< INIT TTL output
    read_inputs,    ///< one read of the port between sequences, or the latest one during one
};

struct remote_command {
    command_kind kind;
    std::int32_t position = 0;  ///< move_blades: -10 to +10
};

/// How a command ended: an error, or for a read the input byte.
struct command_outcome {
    alpaca_error error{};
    std::optional<std::int32_t> input_byte{};
};

/// The console as the remote devices reach it. submit() is called on the server's thread
/// and returns at once; `done` is called exactly once, later, from the console's thread.
class console_link {
  public:
    virtual ~console_link() = default;
    virtual void submit(remote_command command, std::function<void(command_outcome)> done) = 0;
};

}  // namespace helio::alpaca
