// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/class_registration.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

constexpr int program_bits = sizeof(void*) * 8;

/// The registry view of programs of `bits`: 32-bit programs have theirs on a 64-bit Windows.
REGSAM view_of(int bits) {
    return bits == 64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

/// A 64-bit program always has a 32-bit view beside its own; a 32-bit one only on a 64-bit
/// Windows, where it runs under WOW64.
bool other_view_exists() {
    if (program_bits == 64) {
        return true;
    }
    BOOL under_wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &under_wow64) && under_wow64;
}

/// The InprocServer32 path in the view of programs of `bits`, environment variables
/// expanded and quotes taken off.
std::optional<std::wstring> registered_server(int bits) {
    const std::wstring key = L"CLSID\\" + to_utf16(io_component_class_text) + L"\\InprocServer32";
    HKEY server_key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE | view_of(bits),
                      &server_key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::array<wchar_t, 2 * MAX_PATH> path{};
    DWORD size = sizeof path;
    const LSTATUS read =
        RegGetValueW(server_key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, path.data(), &size);
    RegCloseKey(server_key);
    if (read != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring server(path.data());
    if (server.size() >= 2 && server.front() == L'"' && server.back() == L'"') {
        server = server.substr(1, server.size() - 2);
    }
    if (server.empty()) {
        return std::nullopt;
    }
    return server;
}

/// Whether the DLL is where COM would look for it: a bare name is searched for as
/// LoadLibrary would search for it.
bool file_found(const std::wstring& path) {
    std::array<wchar_t, MAX_PATH> found{};
    return SearchPathW(nullptr, path.c_str(), nullptr, static_cast<DWORD>(found.size()),
                       found.data(), nullptr) != 0;
}

}  // namespace

component_registration look_up_component_registration() {
    component_registration registration;
    registration.program_bits = program_bits;
    if (const auto server = registered_server(program_bits)) {
        registration.server = to_utf8(*server);
        registration.server_found = file_found(*server);
    }
    if (other_view_exists()) {
        if (const auto other = registered_server(registration.other_bits())) {
            registration.other_server = to_utf8(*other);
        }
    }
    return registration;
}

}  // namespace helio::win32
