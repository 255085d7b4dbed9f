// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_window.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "console/panel_colours.h"
#include "console/panel_labels.h"
#include "console/panel_texts.h"
#include "console/win32/control_factory.h"
#include "console/win32/control_text.h"
#include "console/win32/list_box.h"
#include "console/win32/panel_controls.h"
#include "console/win32/window_class.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

namespace captions = panel_captions;
namespace ids = panel_ids;

constexpr wchar_t window_class_name[] = L"HeliographePanel";
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;
constexpr UINT_PTR refresh_timer = 1;
constexpr DWORD label_style = SS_LEFT | SS_NOPREFIX;

// Sizes in pixels at 96 dots per inch.
constexpr int margin = 8;
constexpr int gap_between_windows = 8;
constexpr int banner_height = 26;
constexpr int banner_padding = 6;
constexpr int instrument_width = 380;
constexpr int client_height = 600;
constexpr int smallest_client_height = 480;
constexpr int monitor_only_width = 760;
constexpr int row_label_width = 125;
constexpr int value_width = 64;
constexpr int text_height = 16;

COLORREF colour_of(panel_colours::rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

}  // namespace

panel_window::panel_window(form1_model& model, const line_monitor& monitor,
                           virtual_instrument* instrument, std::string_view title)
    : model_(model),
      monitor_(monitor),
      title_(to_utf16(title)),
      transcript_lines_(monitor),
      output_lamps_(line_meanings::outputs, panel_colours::output_lit),
      input_lamps_(line_meanings::inputs, panel_colours::input_lit) {
    if (instrument != nullptr) {
        instrument_ = std::make_unique<instrument_controls>(*instrument, monitor);
    }
    model_.context().wait_observers.add(*this);
}

panel_window::~panel_window() {
    model_.context().wait_observers.remove(*this);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (banner_brush_ != nullptr) {
        DeleteObject(banner_brush_);
    }
}

void panel_window::create(HINSTANCE instance) {
    dpi_ = screen_dots_per_inch();
    font_ = scaled_gui_font(dpi_);
    bold_font_ = scaled_gui_font(dpi_, 1.0, FW_BOLD);
    value_font_ = scaled_gui_font(dpi_, 1.4, FW_BOLD);
    small_font_ = scaled_gui_font(dpi_, 0.9);
    fixed_font_ = fixed_pitch_font(dpi_);
    banner_brush_ = CreateSolidBrush(colour_of(panel_colours::banner));
    register_window_class(instance, window_class_name, owned_window_procedure<panel_window>,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // The monitor as wide as when it is alone, the virtual instrument to its right.
    const int width =
        instrument_ ? monitor_only_width + instrument_width + margin : monitor_only_width;
    RECT area{0, 0, px(width), px(client_height)};
    AdjustWindowRectEx(&area, window_style, FALSE, 0);
    if (CreateWindowExW(0, window_class_name, title_.c_str(), window_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, area.right - area.left, area.bottom - area.top, nullptr,
                        nullptr, instance, this) == nullptr) {
        throw std::runtime_error(
            "cannot create the panel window: " +
            system_text(static_cast<long>(HRESULT_FROM_WIN32(GetLastError()))));
    }
}

HWND panel_window::control(std::string_view name) const {
    const auto entry = std::ranges::find(ids::named, name, &ids::named_id::name);
    return entry == ids::named.end() ? nullptr : GetDlgItem(window_, entry->id);
}

LRESULT panel_window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(l));
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(w), HIWORD(w));
            return 0;
        case WM_TIMER:
            refresh();
            return 0;
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(l)->flags & SWP_SHOWWINDOW) != 0) {
                refresh();  // what happened while it was hidden
            }
            break;
        case WM_SETCURSOR:
            if (OnSetCursor()) {
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            return OnControlColour(message, reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
        case WM_CLOSE:
            ShowWindow(window_, SW_HIDE);  // F12 in Form1 brings it back
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

void panel_window::OnCreate() {
    // Each box before what it holds: the first made is on top, as in a dialog template.
    if (instrument_) {
        create_child(window_, WC_STATICW, captions::simulation_banner, label_style | SS_CENTERIMAGE,
                     ids::banner, bold_font_.handle());
    }
    create_lines();
    create_transcript();
    if (instrument_) {
        instrument_->create(window_, font_.handle(), fixed_font_.handle());
    }
    SetTimer(window_, refresh_timer, refresh_interval_ms, nullptr);
}

void panel_window::create_lines() {
    const HFONT font = font_.handle();
    create_child(window_, WC_BUTTONW, captions::lines_box, BS_GROUPBOX, ids::lines_box, font);
    create_child(window_, WC_STATICW, captions::outputs_row, label_style, ids::outputs_label, font);
    output_lamps_.create(window_, ids::output_lamps, small_font_.handle(), dpi_);
    create_child(window_, WC_STATICW, "", SS_RIGHT | SS_NOPREFIX, ids::output_value,
                 value_font_.handle());
    create_child(window_, WC_STATICW, captions::inputs_row, label_style, ids::inputs_label, font);
    input_lamps_.create(window_, ids::input_lamps, small_font_.handle(), dpi_);
    create_child(window_, WC_STATICW, "", SS_RIGHT | SS_NOPREFIX, ids::input_value,
                 value_font_.handle());
    create_child(window_, WC_STATICW, "", label_style, ids::wait, font);
    create_child(window_, WC_STATICW, "", label_style, ids::counts, font);
}

void panel_window::create_transcript() {
    const HFONT font = font_.handle();
    create_child(window_, WC_BUTTONW, captions::transcript_box, BS_GROUPBOX, ids::transcript_box,
                 font);
    create_child(window_, WC_STATICW, captions::transcript_legend, label_style,
                 ids::transcript_legend, font);
    create_child(window_, WC_LISTBOXW, "",
                 LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                 ids::transcript, fixed_font_.handle(), WS_EX_CLIENTEDGE);
}

int panel_window::lines_height() const {
    return px(20) + 2 * (output_lamps_.preferred_size().cy + px(6)) + 2 * px(text_height + 2) +
           px(8);
}

void panel_window::place_lines(int left, int top, int width) const {
    const control_placer to(window_, dpi_);
    to.put(ids::lines_box, left, top, width, lines_height());
    const SIZE lamps = output_lamps_.preferred_size();
    const int x = left + px(10);
    const int lamps_left = x + px(row_label_width);
    const int value_left = lamps_left + lamps.cx + px(4);
    int y = top + px(20);
    for (const auto& [label, row, value] :
         {std::tuple{ids::outputs_label, ids::output_lamps, ids::output_value},
          std::tuple{ids::inputs_label, ids::input_lamps, ids::input_value}}) {
        to.put(label, x, y, px(row_label_width), 2 * line_height(font_.handle()));
        to.put(row, lamps_left, y, lamps.cx, lamps.cy);
        to.put(value, value_left, y, px(value_width), line_height(value_font_.handle()));
        y += lamps.cy + px(6);
    }
    to.put(ids::wait, x, y, width - px(20), px(text_height));
    to.put(ids::counts, x, y + px(text_height + 2), width - px(20), px(text_height));
}

void panel_window::OnSize() {
    RECT client{};
    GetClientRect(window_, &client);
    const control_placer to(window_, dpi_);
    const int gap = px(margin);
    int top = gap;
    if (instrument_) {
        banner_area_ = {gap, top, client.right - gap, top + px(banner_height)};
        const int padding = px(banner_padding);
        to.put(ids::banner, banner_area_.left + padding, top + padding / 2,
               client.right - 2 * gap - 2 * padding, px(banner_height) - padding);
        top += px(banner_height) + gap;
    }
    const int monitor_width =
        instrument_ ? client.right - 3 * gap - px(instrument_width) : client.right - 2 * gap;
    place_lines(gap, top, monitor_width);

    const int box_top = top + lines_height() + gap;
    const int box_bottom = client.bottom - gap;
    to.put(ids::transcript_box, gap, box_top, monitor_width, box_bottom - box_top);
    const int legend_height = 2 * line_height(font_.handle()) + px(2);
    const int inner_left = gap + px(10);
    const int inner_width = monitor_width - px(20);
    to.put(ids::transcript_legend, inner_left, box_top + px(20), inner_width, legend_height);
    const int list_top = box_top + px(24) + legend_height;
    to.put(ids::transcript, inner_left, list_top, inner_width, box_bottom - px(10) - list_top);

    if (instrument_) {
        instrument_->place(
            {client.right - gap - px(instrument_width), top, client.right - gap, box_bottom}, dpi_);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void panel_window::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (instrument_) {
        FillRect(dc, &banner_area_, banner_brush_);
    }
    EndPaint(window_, &paint);
}

void panel_window::OnGetMinMaxInfo(MINMAXINFO& limits) const {
    if (window_ == nullptr) {
        return;  // not created yet: nothing to measure with
    }
    // Narrower, the lamps would run into their values; the transcript scrolls sideways.
    const int monitor = px(10 + row_label_width + 4 + value_width + 10) +
                        output_lamps_.preferred_size().cx + 2 * px(margin);
    RECT smallest{0, 0, instrument_ ? monitor + px(margin + instrument_width) : monitor,
                  px(smallest_client_height)};
    AdjustWindowRectEx(&smallest, window_style, FALSE, 0);
    limits.ptMinTrackSize = {smallest.right - smallest.left, smallest.bottom - smallest.top};
}

void panel_window::OnCommand(int id, int notification) {
    if (instrument_) {
        instrument_->command(id, notification);
    }
}

bool panel_window::OnSetCursor() {
    if (!model_.busy()) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

LRESULT panel_window::OnControlColour(UINT message, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (message == WM_CTLCOLORSTATIC && id == ids::banner) {
        SetBkColor(dc, colour_of(panel_colours::banner));
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(banner_brush_);
    }
    const LRESULT brush = DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(control));
    if (message == WM_CTLCOLORLISTBOX && id == ids::violations) {
        SetTextColor(dc, colour_of(panel_colours::violation));
    }
    return brush;
}

void panel_window::OnDestroy() {
    KillTimer(window_, refresh_timer);
    window_ = nullptr;
}

void panel_window::refresh() {
    if (window_ == nullptr || !IsWindowVisible(window_)) {
        return;  // shown again, it catches up at once
    }
    output_lamps_.set_value(monitor_.last_output());
    input_lamps_.set_value(monitor_.last_input());
    show_text(item(ids::output_value), byte_value_text(monitor_.last_output()));
    show_text(item(ids::input_value), byte_value_text(monitor_.last_input()));
    show_text(item(ids::wait), wait_label_text(monitor_));
    show_text(item(ids::counts), access_counts_text(monitor_));
    const transcript_changes changes = transcript_lines_.changes();
    show_new_lines(item(ids::transcript), changes.last_line, changes.new_lines,
                   monitor_.capacity());
    if (instrument_) {
        instrument_->refresh();
    }
}

void panel_window::still_waiting() {
    // What changed is painted by the keep-alive that comes next, or by the loop once the
    // wait is over.
    refresh();
}

void show_beside(HWND form, HWND panel) {
    RECT form_frame{};
    RECT panel_frame{};
    GetWindowRect(form, &form_frame);
    GetWindowRect(panel, &panel_frame);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &screen);
    MINMAXINFO limits{};
    SendMessageW(panel, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const int left = form_frame.right + gap_between_windows;
    const int room = screen.rcWork.right - left;
    const int width = std::max(std::min<int>(panel_frame.right - panel_frame.left, room),
                               static_cast<int>(limits.ptMinTrackSize.x));
    SetWindowPos(panel, nullptr, left, form_frame.top, width, panel_frame.bottom - panel_frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(panel, SW_SHOWNOACTIVATE);
}

void bring_forward(HWND panel) {
    ShowWindow(panel, IsIconic(panel) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(panel);
}

}  // namespace helio::win32
