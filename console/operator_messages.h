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

}  // namespace helio
