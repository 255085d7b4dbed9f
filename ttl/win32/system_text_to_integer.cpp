// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/system_text_to_integer.h"

#include <oleauto.h>

#include <memory>
#include <string>

#include "ttl/errors.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

struct string_freer {
    void operator()(BSTR text) const { SysFreeString(text); }
};

}  // namespace

std::int32_t system_text_to_integer::to_int32(std::string_view text) const {
    const std::wstring wide = to_utf16(text);
    const std::unique_ptr<OLECHAR, string_freer> string(
        SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    if (!string) {
        throw heliograph_error("no memory for the text '" + std::string(text) + "'");
    }
    LONG value = 0;
    const HRESULT status = VarI4FromStr(string.get(), locale_, 0, &value);
    switch (status) {
        case S_OK:
            return static_cast<std::int32_t>(value);
        case DISP_E_OVERFLOW:
            throw overflow_error("conversion of '" + std::string(text) + "' to a 32-bit integer");
        case DISP_E_TYPEMISMATCH:
            throw conversion_error(std::string(text));
        default:
            throw heliograph_error("VarI4FromStr failed on '" + std::string(text) +
                                   "': " + system_text(status));
    }
}

}  // namespace helio::win32
