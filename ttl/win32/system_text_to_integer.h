// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "ttl/text_to_integer.h"

namespace helio::win32 {

/// The system's own conversion of text to a 32-bit integer, as a Basic program's text
/// meets an integer: VarI4FromStr in `locale` (the user's by default), no flags.
class system_text_to_integer final : public text_to_integer {
  public:
    explicit system_text_to_integer(LCID locale = LOCALE_USER_DEFAULT) : locale_(locale) {}

    std::int32_t to_int32(std::string_view text) const override;

  private:
    LCID locale_;
};

}  // namespace helio::win32
