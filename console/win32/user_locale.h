// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ttl/number_text.h"

namespace helio::win32 {

/// The decimal separator of the user's locale, in UTF-8 ("," on a French PC); "." if the
/// system cannot say.
std::string user_decimal_separator();

/// How the user's locale writes numbers: its decimal and thousands separators and its
/// currency symbol, in UTF-8.
number_format user_number_format();

}  // namespace helio::win32
