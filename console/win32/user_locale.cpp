// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/user_locale.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

/// One text of the user's locale; `fallback` if the system cannot say.
std::string user_locale_text(LCTYPE what, std::string fallback) {
    std::array<wchar_t, 16> text{};  // at most 13 characters, the final null included
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, text.data(), static_cast<int>(text.size()));
    if (length <= 1) {
        return fallback;
    }
    return to_utf8(std::wstring_view(text.data(), static_cast<std::size_t>(length - 1)));
}

}  // namespace

std::string user_decimal_separator() {
    return user_locale_text(LOCALE_SDECIMAL, ".");
}

number_format user_number_format() {
    return {.decimal_separator = user_decimal_separator(),
            .thousands_separator = user_locale_text(LOCALE_STHOUSAND, ""),
            .currency_symbol = user_locale_text(LOCALE_SCURRENCY, "")};
}

}  // namespace helio::win32
