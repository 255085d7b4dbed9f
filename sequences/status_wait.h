// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "sequences/sequence_context.h"
#include "ttl/errors.h"

namespace helio {

/// A wait for one status bit of the input lines.
struct status_wait {
    std::string_view mechanism;  ///< French name, as the operator's messages give it
    std::int32_t status_value;   ///< the bit's value, 2, 4 or 8
    int bit;
};

/// How long a mechanism may take to report before the console gives up on it. The slowest
/// mechanism, the blades across their whole range, needs a few seconds.
inline constexpr std::chrono::seconds status_wait_limit{60};

/// How often a wait lets the window repaint.
inline constexpr std::chrono::milliseconds keep_alive_interval{20};

/// A mechanism did not raise its status bit within the wait limit: the instrument's fault,
/// not the port's.
class timeout_error : public heliograph_error {
  public:
    timeout_error(std::string mechanism, int bit, std::chrono::seconds limit);

    /// French name of the mechanism, as the operator knows it.
    const std::string& mechanism() const noexcept { return mechanism_; }
    int bit() const noexcept { return bit_; }
    std::chrono::seconds limit() const noexcept { return limit_; }

  private:
    std::string mechanism_;
    int bit_;
    std::chrono::seconds limit_;
};

/// True when every bit of `status_value` is set in `input_byte`.
constexpr bool status_set(std::int32_t input_byte, std::int32_t status_value) {
    return (input_byte & status_value) == status_value;
}

/// Reads the input lines, back to back, until the wait's bit is set (the first read always
/// happens). Raises timeout_error once status_wait_limit has passed without it. Tells
/// wait_began, still_waiting every keep_alive_interval (so that the window can repaint while
/// the sequence holds it) and wait_ended.
void wait_for_status(sequence_context& context, const status_wait& wait);

}  // namespace helio
