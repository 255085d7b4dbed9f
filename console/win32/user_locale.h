// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace helio::win32 {

/// The decimal separator of the user's locale, in UTF-8 ("," on a French PC); "." if the
/// system cannot say.
std::string user_decimal_separator();

}  // namespace helio::win32
