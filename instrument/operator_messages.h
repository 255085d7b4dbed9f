// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace helio {

/// What the operator is told, in French, when a button's sequence ends in `error`.
std::string operator_message(const std::exception& error);

/// The same for an error caught as it was thrown, of whatever type.
std::string operator_message(const std::exception_ptr& error);

/// What the operator is told, after the message of the failure, when the write that was to
/// lower the strobe that failure left raised failed in its turn with `error`.
std::string lines_not_released_message(const std::exception& error);

}  // namespace helio
