// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/com_apartment.h"

#include <objbase.h>
#include <windows.h>

#include "ttl/errors.h"
#include "ttl/win32/system_text.h"

namespace helio::win32 {

com_apartment::com_apartment() {
    const HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(status)) {
        throw io_error(status, "CoInitializeEx", system_text(status));
    }
}

com_apartment::~com_apartment() {
    CoUninitialize();
}

}  // namespace helio::win32
