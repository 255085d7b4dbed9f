// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

/// The error numbers a client reads in ErrorNumber: those the Alpaca reference defines for
/// what a client asked wrongly, and, in the range it leaves to each device (0x500 to
/// 0xFFF), the instrument's own failures.
namespace helio::alpaca::error_numbers {

inline constexpr int none = 0;
inline constexpr int not_implemented = 0x400;
inline constexpr int invalid_value = 0x401;
inline constexpr int not_connected = 0x407;
inline constexpr int invalid_operation = 0x40B;
inline constexpr int action_not_implemented = 0x40C;

/// A mechanism did not report within the console's limit.
inline constexpr int mechanism_timeout = 0x500;
/// The I/O component failed a port access (or could not be created).
inline constexpr int io_failure = 0x501;
/// The port gave back a value that is not an input byte.
inline constexpr int port_value = 0x502;
/// The blades have not been moved since the console started: where they are is unknown.
inline constexpr int blade_position_unknown = 0x503;
/// Anything else that stopped a command.
inline constexpr int console_failure = 0x504;

}  // namespace helio::alpaca::error_numbers

namespace helio::alpaca {

/// ErrorNumber and ErrorMessage of an answer: number 0 and no text when all went well.
struct alpaca_error {
    int number = error_numbers::none;
    std::string message{};

    explicit operator bool() const { return number != error_numbers::none; }
};

}  // namespace helio::alpaca
