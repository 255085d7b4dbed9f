// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace helio::win32 {

/// The system's own text for a status code, in the user's language, without the final
/// full stop and line break; empty when the system has none.
std::string system_text(long status);

}  // namespace helio::win32
