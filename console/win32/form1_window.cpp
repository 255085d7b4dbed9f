// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/form1_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>
#include <string>

#include "console/form_layout.h"
#include "console/log_scroll.h"
#include "console/win32/control_factory.h"
#include "console/win32/control_text.h"
#include "console/win32/message_pump.h"
#include "console/win32/window_class.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

constexpr wchar_t window_class_name[] = L"HeliographeForm1";
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

void show_message_box(HWND owner, const std::wstring& message) {
    MessageBoxW(owner, message.c_str(), to_utf16(layout::window_title).c_str(),
                MB_OK | MB_ICONERROR);
}

/// The outer size of a window whose client area is the form's, at `dpi`.
SIZE window_size(int dpi) {
    RECT area{0, 0, layout::twips_to_pixels(layout::client_width_twips, dpi),
              layout::twips_to_pixels(layout::client_height_twips, dpi)};
    AdjustWindowRectEx(&area, window_style, FALSE, 0);
    return {area.right - area.left, area.bottom - area.top};
}

}  // namespace

form1_window::form1_window(form1_model& model) : model_(model), present_error_(show_message_box) {
    model_.set_host(this);
}

form1_window::~form1_window() {
    model_.set_host(nullptr);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

void form1_window::create(HINSTANCE instance, bool ends_program) {
    const INITCOMMONCONTROLSEX common_controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common_controls);  // the tool tip
    ends_program_ = ends_program;
    ACCEL f12{FVIRTKEY, VK_F12, open_panel_command};
    accelerators_ = CreateAcceleratorTableW(&f12, 1);
    use_dpi(screen_dots_per_inch());
    register_window_class(instance, window_class_name, owned_window_procedure<form1_window>,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const SIZE size = window_size(dpi_);
    const std::wstring title = to_utf16(layout::window_title);
    if (CreateWindowExW(0, window_class_name, title.c_str(), window_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance,
                        this) == nullptr) {
        throw std::runtime_error(
            "cannot create the console window: " +
            system_text(static_cast<long>(HRESULT_FROM_WIN32(GetLastError()))));
    }
    if (const int dpi = window_dots_per_inch(window_); dpi != dpi_) {  // another monitor's
        OnDpiChanged(dpi, nullptr);
    }
}

void form1_window::use_dpi(int dots_per_inch) {
    dpi_ = dots_per_inch;
    font_ = fitting_gui_font(dpi_, [this](HFONT font) { return captions_fit_in(font, dpi_); });
    line_height_ = win32::line_height(font_.handle());
}

HWND form1_window::control(std::string_view name) const {
    for (std::size_t i = 0; i < layout::controls.size(); ++i) {
        if (layout::controls[i].name == name) {
            return GetDlgItem(window_, control_id(i));
        }
    }
    return nullptr;
}

void form1_window::warn_in_title(std::string_view warning) {
    const std::string title = std::string(warning) + " — " + std::string(layout::window_title);
    SetWindowTextW(window_, to_utf16(title).c_str());
}

LRESULT form1_window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(w), HIWORD(w));
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            OnPrintClient(reinterpret_cast<HDC>(w));
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor()) {
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            OnActivate(LOWORD(w) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(w), reinterpret_cast<const RECT*>(l));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

/// Moved to a screen of another scale: the twips and the font scaled to it, where Windows
/// suggests (or where it is).
void form1_window::OnDpiChanged(int dots_per_inch, const RECT* suggested) {
    use_dpi(dots_per_inch);
    for (std::size_t i = 0; i < layout::controls.size(); ++i) {
        HWND control = GetDlgItem(window_, control_id(i));
        const RECT place = control_rectangle(layout::controls[i], dpi_);
        MoveWindow(control, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    }
    RECT frame{};
    GetWindowRect(window_, &frame);
    if (suggested != nullptr) {
        frame = *suggested;
    }
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Whatever borders the new screen gives the frame, the client area is the form's.
    RECT client{};
    GetClientRect(window_, &client);
    const int width = layout::twips_to_pixels(layout::client_width_twips, dpi_);
    const int height = layout::twips_to_pixels(layout::client_height_twips, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                 frame.bottom - frame.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

void form1_window::OnCreate() {
    for (std::size_t i = 0; i < layout::controls.size(); ++i) {
        create_control(window_, layout::controls[i], control_id(i), dpi_, font_.handle());
    }
    tooltip_ = create_tooltip(window_, control(layout::setpoint_entry_name),
                              layout::setpoint_entry_tooltip);
}

bool form1_window::translate_accelerator(MSG& message) const {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    return TranslateAcceleratorW(window_, accelerators_, &message) != 0;
}

void form1_window::OnCommand(int id, int notification) {
    if (id == open_panel_command) {
        if (open_panel_) {
            open_panel_();
        }
        return;
    }
    const int index = id - first_control_id;
    if (index < 0 || static_cast<std::size_t>(index) >= layout::controls.size()) {
        return;
    }
    const layout::control_spec& item = layout::controls[static_cast<std::size_t>(index)];
    if (item.kind == layout::control_kind::button && notification == BN_CLICKED) {
        model_.press(item);
    } else if (item.kind == layout::control_kind::text_entry && notification == EN_CHANGE) {
        model_.Text1_Change(window_text(GetDlgItem(window_, id)));
    }
}

void form1_window::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    paint_log(dc, paint.rcPaint);
    EndPaint(window_, &paint);
}

void form1_window::OnPrintClient(HDC dc) {
    RECT area;
    GetClientRect(window_, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    paint_log(dc, area);
}

void form1_window::paint_log(HDC dc, const RECT& area) const {
    HGDIOBJ previous = SelectObject(dc, font_.handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const auto& lines = model_.messages();
    int top = 0;
    for (auto line = lines.begin() + static_cast<std::ptrdiff_t>(first_visible_line());
         line != lines.end() && top < area.bottom; ++line) {
        if (top + line_height_ > area.top) {
            const std::wstring text = to_utf16(*line);
            TextOutW(dc, 0, top, text.c_str(), static_cast<int>(text.size()));
        }
        top += line_height_;
    }
    SelectObject(dc, previous);
}

bool form1_window::OnSetCursor() {
    if (!model_.busy()) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

void form1_window::OnActivate(bool active) {
    if (!active) {
        last_focus_ = GetFocus();
    }
}

void form1_window::OnSetFocus() {
    // Give the focus back to the control that had it, or to the first in tab order.
    HWND target = last_focus_ != nullptr && IsChild(window_, last_focus_)
                      ? last_focus_
                      : GetNextDlgTabItem(window_, nullptr, FALSE);
    if (target != nullptr) {
        SetFocus(target);
    }
}

std::size_t form1_window::first_visible_line() const {
    RECT client;
    GetClientRect(window_, &client);
    return helio::first_visible_line(model_.messages().size(), line_height_, client.bottom);
}

void form1_window::OnClose() {
    if (model_.may_close()) {
        DestroyWindow(window_);
    }
}

void form1_window::OnDestroy() {
    window_ = nullptr;
    if (ends_program_) {
        PostQuitMessage(0);
    }
}

void form1_window::show_error(const std::string& message) {
    present_error_(window_, to_utf16(message));
}

void form1_window::show_busy(bool busy) {
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void form1_window::keep_alive() {
    pump_all_but_input();
}

void form1_window::close_window() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void form1_window::line_logged(const std::string& /*text*/) {
    if (window_ == nullptr) {
        return;
    }
    const std::size_t first = first_visible_line();
    if (first > 0) {
        // The log has scrolled: every line moved up one.
        InvalidateRect(window_, nullptr, TRUE);
        return;
    }
    // Only the new line's band needs painting; the older lines have not changed.
    const int top = static_cast<int>(model_.messages().size() - 1) * line_height_;
    RECT band;
    GetClientRect(window_, &band);
    band.top = top;
    band.bottom = top + line_height_;
    InvalidateRect(window_, &band, FALSE);
}

}  // namespace helio::win32
