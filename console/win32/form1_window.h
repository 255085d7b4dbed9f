// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "console/form1_model.h"
#include "console/win32/gui_font.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// The console window as a native Win32 window: the controls built from the control table,
/// the message log painted on the background from the model's lines, every press and every
/// edit of Text1 handed to the model.
class form1_window final : private form_host {
  public:
    using error_presenter = std::function<void(HWND owner, const std::wstring& message)>;

    /// Control ids are the table index plus this; they stay clear of IDOK and IDCANCEL,
    /// which the dialog keys send.
    static constexpr int first_control_id = 100;
    static constexpr int control_id(std::size_t table_index) {
        return first_control_id + static_cast<int>(table_index);
    }
    /// The command F12 sends: past the table's ids.
    static constexpr int open_panel_command = 199;

    explicit form1_window(form1_model& model);
    ~form1_window() override;

    form1_window(const form1_window&) = delete;
    form1_window& operator=(const form1_window&) = delete;

    /// Creates the window, not yet shown; throws std::runtime_error if Windows refuses.
    /// With `ends_program`, destroying the window ends the thread's message loop.
    void create(HINSTANCE instance, bool ends_program);

    HWND handle() const { return window_; }
    /// The control made for the table entry `name`, or nullptr.
    HWND control(std::string_view name) const;
    HWND tooltip() const { return tooltip_; }
    /// Pixels per inch the twips were scaled with.
    int dots_per_inch() const { return dpi_; }
    int line_height() const { return line_height_; }
    HFONT font() const { return font_.handle(); }

    /// Puts `warning` (UTF-8) before the window's title, where the operator sees it at once.
    void warn_in_title(std::string_view warning);

    /// Replaces the message box (tests record the message instead).
    void set_error_presenter(error_presenter presenter) { present_error_ = std::move(presenter); }

    /// F12 in the window calls `open`: Form1 gains no control for it.
    void on_f12(std::function<void()> open) { open_panel_ = std::move(open); }
    /// Turns F12 pressed in the window, whichever control has the focus, into its command.
    /// The program's message loop offers it every message first; true if it took it.
    bool translate_accelerator(MSG& message) const;

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

    void OnCreate();
    void OnDpiChanged(int dots_per_inch, const RECT* suggested);
    void use_dpi(int dots_per_inch);
    void OnCommand(int id, int notification);
    void OnPaint();
    void OnPrintClient(HDC dc);
    bool OnSetCursor();
    void OnActivate(bool active);
    void OnSetFocus();
    void OnClose();
    void OnDestroy();

    void paint_log(HDC dc, const RECT& area) const;
    std::size_t first_visible_line() const;

    void show_error(const std::string& message) override;
    void show_busy(bool busy) override;
    void keep_alive() override;
    void close_window() override;
    void line_logged(const std::string& text) override;

    form1_model& model_;
    error_presenter present_error_;
    std::function<void()> open_panel_;
    HACCEL accelerators_ = nullptr;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND last_focus_ = nullptr;
    gui_font font_;
    int dpi_ = 96;
    int line_height_ = 13;
    bool ends_program_ = false;
};

}  // namespace helio::win32
