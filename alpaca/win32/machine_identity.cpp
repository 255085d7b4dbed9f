// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/machine_identity.h"

#include <windows.h>

#include "ttl/win32/wide_text.h"

namespace helio::alpaca {

std::string machine_identity() {
    // The 64-bit view even from a 32-bit program: the 32-bit view has no MachineGuid.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Cryptography", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) == ERROR_SUCCESS) {
        wchar_t guid[64] = {};
        DWORD type = 0;
        DWORD size = sizeof guid - sizeof(wchar_t);  // room for the terminator it may lack
        const LSTATUS read = RegQueryValueExW(key, L"MachineGuid", nullptr, &type,
                                              reinterpret_cast<BYTE*>(guid), &size);
        RegCloseKey(key);
        if (read == ERROR_SUCCESS && type == REG_SZ && guid[0] != L'\0') {
            return win32::to_utf8(guid);
        }
    }
    throw machine_identity_error(
        "cannot read this machine's identity (MachineGuid under "
        "HKLM\\SOFTWARE\\Microsoft\\Cryptography): the Alpaca devices would have no lasting "
        "UniqueID");
}

}  // namespace helio::alpaca
