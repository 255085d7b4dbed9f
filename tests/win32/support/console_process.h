// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace helio::test {

/// heliograph-console.exe started as the operator would start it, driven from outside by
/// window messages: its standard error goes to a file the test reads.
class console_process {
  public:
    console_process(const std::wstring& program, const std::wstring& arguments);
    ~console_process();

    console_process(const console_process&) = delete;
    console_process& operator=(const console_process&) = delete;

    /// The console's window, once it is shown with that title (nullptr after 20 s without).
    HWND wait_for_window(std::wstring_view title = L"COMMANDES TTL HELIOGRAPHE");
    /// A top-level window of the program with that title, once it is shown (nullptr after
    /// `patience_ms` without it).
    HWND wait_for_window(std::wstring_view title, DWORD patience_ms) const;
    /// The control with the given table name in that window.
    HWND control(std::string_view name) const;

    /// Presses a key in the console's window, as if VISEE (which has the focus at start) had
    /// the focus.
    void press_key(UINT virtual_key) const;

    /// Clicks a button and returns once its sequence has ended.
    void click(std::string_view name) const;
    /// Clicks a button whose press ends in a message box, and answers the box once it has
    /// read it: the box's text, empty if none came within 20 s.
    std::wstring click_answering_message_box(std::string_view name) const;
    /// Types `text` into the setpoint entry, replacing what was there.
    void type(std::wstring_view text) const;

    /// Closes the window and waits for the program to end; its exit code.
    DWORD close();
    /// Waits for the program to end by itself; its exit code.
    DWORD wait_for_exit();
    std::string standard_error() const;

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    std::wstring error_path_;
};

/// A path given to the test program: a Linux path is on drive Z:.
std::wstring windows_path(const char* argument);

/// A path in the temporary folder for this test's own files.
std::wstring temporary_path(const wchar_t* name);

/// The lines of a text file, or none if it does not exist.
std::vector<std::string> read_lines(const std::wstring& path);

}  // namespace helio::test
