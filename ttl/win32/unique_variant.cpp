// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/unique_variant.h"

#include <winerror.h>

#include "ttl/errors.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

std::int32_t variant_to_int32(const VARIANT& value) {
    unique_variant converted;
    // The source is only read; the declaration lacks the const.
    const HRESULT status =
        VariantChangeType(converted.get(), const_cast<VARIANT*>(&value), 0, VT_I4);
    switch (status) {
        case S_OK:
            return static_cast<std::int32_t>((*converted).lVal);
        case DISP_E_OVERFLOW:
            throw overflow_error("conversion of " + describe_variant(value) +
                                 " to a 32-bit integer");
        case DISP_E_TYPEMISMATCH:
        case DISP_E_BADVARTYPE:
            throw conversion_error(describe_variant(value));
        default:
            throw io_error(status, "VariantChangeType", system_text(status));
    }
}

std::string describe_variant(const VARIANT& value) {
    switch (value.vt) {
        case VT_BSTR:
            return to_utf8(value.bstrVal == nullptr
                               ? std::wstring_view{}
                               : std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)));
        case VT_NULL:
            return "Null";
        default:
            return "variant de type " + std::to_string(value.vt);
    }
}

}  // namespace helio::win32
