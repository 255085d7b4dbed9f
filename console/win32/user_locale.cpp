// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/user_locale.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

std::string user_decimal_separator() {
    std::array<wchar_t, 8> separator{};  // LOCALE_SDECIMAL holds at most four characters
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                       static_cast<int>(separator.size()));
    if (length <= 1) {
        return ".";
    }
    return to_utf8(std::wstring_view(separator.data(), static_cast<std::size_t>(length - 1)));
}

}  // namespace helio::win32
