// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "standin/standin_library.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace helio::test {

namespace {

std::wstring registered_server_path() {
    const wchar_t key[] = L"CLSID\\{E715B92B-25F9-11D1-9330-444553540000}\\InprocServer32";
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("the I/O component's class is not registered");
    }
    return path;
}

/// "new 1", "write 1 91 8", "read 2 91 aux 0", "class-object", ...
std::string call_text(const standin_call& call) {
    std::string text = standin_kind_name(call.kind);
    // Appended piece by piece: GCC 12 at -O3 takes `" " + std::to_string(...)` for an
    // overlapping copy (-Wrestrict), and the benchmarks' build is -O3.
    const auto add = [&text](std::int64_t number) {
        text += ' ';
        text += std::to_string(number);
    };
    if (call.instance != 0) {
        add(call.instance);
    }
    if (call.kind == standin_read) {
        add(call.port);
        text += " aux";
        add(call.aux);
    } else if (call.kind == standin_write) {
        add(call.port);
        add(call.value);
    }
    return text;
}

}  // namespace

standin_library::standin_library() : path_(registered_server_path()) {
    module_ = LoadLibraryW(path_.c_str());
    if (module_ == nullptr) {
        throw std::runtime_error("cannot load the registered I/O component");
    }
    find("standin_reset");  // one of ours
}

FARPROC standin_library::find(const char* name) const {
    FARPROC address = GetProcAddress(module_, name);
    if (address == nullptr) {
        throw std::runtime_error(std::string("the registered DLL lacks ") + name);
    }
    return address;
}

std::vector<standin_call> standin_library::calls() const {
    std::vector<standin_call> calls(static_cast<std::size_t>(call<int>("standin_call_count")));
    for (std::size_t i = 0; i < calls.size(); ++i) {
        call<int>("standin_call_at", static_cast<int>(i), &calls[i]);
    }
    return calls;
}

std::vector<std::string> standin_library::journal() const {
    std::vector<std::string> lines;
    for (const standin_call& call : calls()) {
        lines.push_back(call_text(call));
    }
    return lines;
}

std::vector<std::string> standin_library::object_journal() const {
    std::vector<std::string> lines = journal();
    std::erase_if(lines, [](const std::string& line) { return line.starts_with("class-object"); });
    return lines;
}

}  // namespace helio::test
