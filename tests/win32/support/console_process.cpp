// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/console_process.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "console/form_layout.h"
#include "console/win32/form1_window.h"
#include "support/window_probe.h"

namespace helio::test {

namespace {

constexpr DWORD patience_ms = 20000;

}  // namespace

console_process::console_process(const std::wstring& program, const std::wstring& arguments)
    : error_path_(temporary_path(L"helio-console-stderr.txt")) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE error =
        CreateFileW(error_path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = error;
    std::wstring command_line = L"\"" + program + L"\" " + arguments;
    const BOOL started = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr,
                                        TRUE, 0, nullptr, nullptr, &startup, &process_);
    CloseHandle(error);
    if (!started) {
        throw std::runtime_error("cannot start heliograph-console.exe");
    }
}

console_process::~console_process() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND console_process::wait_for_window(std::wstring_view title) {
    WaitForInputIdle(process_.hProcess, patience_ms);
    window_ = wait_for_window(title, patience_ms);
    return window_;
}

HWND console_process::wait_for_window(std::wstring_view title, DWORD patience) const {
    for (DWORD waited = 0;; waited += 50) {
        HWND found = find_shown_window(process_.dwProcessId, title);
        if (found != nullptr || waited >= patience) {
            return found;
        }
        Sleep(50);
    }
}

void console_process::press_key(UINT virtual_key) const {
    // Posted, as the keyboard would: the console's own message loop sees it.
    HWND target = control("Command1");
    PostMessageW(target, WM_KEYDOWN, virtual_key, 1);
    PostMessageW(target, WM_KEYUP, virtual_key, static_cast<LPARAM>(0xC0000001u));
}

HWND console_process::control(std::string_view name) const {
    for (std::size_t i = 0; i < layout::controls.size(); ++i) {
        if (layout::controls[i].name == name) {
            return GetDlgItem(window_, win32::form1_window::control_id(i));
        }
    }
    return nullptr;
}

void console_process::click(std::string_view name) const {
    // Sent, not posted: the button handles the click, and so runs the whole sequence,
    // before the call returns.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control(name), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &result);
}

std::wstring console_process::click_answering_message_box(std::string_view name) const {
    // Posted: a press that fails holds its message box, and so the click, until answered.
    PostMessageW(control(name), BM_CLICK, 0, 0);
    HWND box = nullptr;
    for (DWORD waited = 0; box == nullptr && waited < patience_ms; waited += 50) {
        Sleep(50);
        box = find_shown_window(process_.dwProcessId, {}, L"#32770");
    }
    if (box == nullptr) {
        return {};
    }
    const std::wstring text = message_box_text(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (DWORD waited = 0; IsWindow(box) && waited < patience_ms; waited += 50) {
        Sleep(50);
    }
    return text;
}

void console_process::type(std::wstring_view text) const {
    HWND entry = control("Text1");
    SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (const wchar_t key : text) {
        SendMessageW(entry, WM_CHAR, key, 1);
    }
}

DWORD console_process::close() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return wait_for_exit();
}

DWORD console_process::wait_for_exit() {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, patience_ms) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process_.hProcess, &code);
    }
    return code;
}

std::string console_process::standard_error() const {
    std::ifstream in(std::filesystem::path(error_path_), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::wstring windows_path(const char* argument) {
    std::filesystem::path path(argument);
    if (argument[0] == '/') {
        path = std::filesystem::path("Z:" + std::string(argument));
    }
    return path.make_preferred().wstring();
}

std::wstring temporary_path(const wchar_t* name) {
    std::array<wchar_t, MAX_PATH> folder{};
    GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    return std::wstring(folder.data()) + name;
}

std::vector<std::string> read_lines(const std::wstring& path) {
    std::ifstream in{std::filesystem::path(path)};
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace helio::test
