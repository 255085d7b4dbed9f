// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

#include "alpaca/error_numbers.h"

namespace helio::alpaca {

/// The error a client reads for what stopped a sequence: a number in the device's range by
/// the kind of failure (a mechanism's time-out, the I/O component, the port's value), and
/// `message`, what the operator would have read, in French.
alpaca_error error_for(const std::exception_ptr& failure, std::string message);

}  // namespace helio::alpaca
