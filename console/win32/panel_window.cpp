// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_window.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

#include "console/win32/child_controls.h"
#include "console/win32/control_text.h"
#include "console/win32/lamp_painter.h"
#include "console/win32/list_box.h"
#include "console/window_placement.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

using enum panel_kind;

constexpr wchar_t window_class_name[] = L"HeliographePanel";
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;
constexpr UINT_PTR refresh_timer = 1;
// Clear of IDOK and IDCANCEL, which the dialog keys send, and of Form1's ids.
constexpr int first_id = 300;

COLORREF colour_of(panel_colours::rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

window_kind kind_of(panel_kind kind) {
    constexpr DWORD label_style = SS_LEFT | SS_NOPREFIX;
    switch (kind) {
        case box:
            return {WC_BUTTONW, BS_GROUPBOX};
        case check:
            return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP};
        case button:
            return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
        case choice:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
        case entry:
            return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
        case banner:
            return {WC_STATICW, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX};
        case lamps:  // painted on WM_DRAWITEM
            return {WC_STATICW, SS_OWNERDRAW};
        case lines:
            return {WC_LISTBOXW,
                    LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        default:
            return {WC_STATICW, label_style};
    }
}

/// The sizes only Windows can tell, in the panel's fonts.
class win32_metrics final : public panel_metrics {
  public:
    /// In the fonts `font_of` gives, on a screen of `dots_per_inch` (as it changes).
    win32_metrics(std::function<HFONT(text_style)> font_of, const int& dots_per_inch)
        : font_of_(std::move(font_of)), dpi_(dots_per_inch) {}

    screen_size text_size(text_style style, std::string_view text, int wrap_width) const override {
        const SIZE size = win32::text_size(font_of_(style), to_utf16(text), wrap_width);
        return {size.cx, size.cy};
    }
    int check_mark_width() const override {
        return metric_at(SM_CXMENUCHECK, dpi_) + MulDiv(8, dpi_, 96);
    }
    int arrow_width() const override { return metric_at(SM_CXVSCROLL, dpi_); }
    int field_height() const override {
        return line_height(font_of_(text_style::plain)) + MulDiv(10, dpi_, 96);
    }

  private:
    std::function<HFONT(text_style)> font_of_;
    const int& dpi_;
};

/// The size of the panel's window around a client area of `client`.
screen_size framed(screen_size client) {
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, window_style, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

bool checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

panel_window::panel_window(panel_presenter& presenter) : presenter_(presenter) {}

panel_window::~panel_window() {
    presenter_.on_change(nullptr);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (banner_brush_ != nullptr) {
        DeleteObject(banner_brush_);
    }
}

void panel_window::create(HINSTANCE instance) {
    banner_brush_ = CreateSolidBrush(colour_of(panel_colours::banner));
    metrics_ =
        std::make_unique<win32_metrics>([this](text_style style) { return font_of(style); }, dpi_);
    use_dpi(screen_dots_per_inch());
    register_window_class(instance, window_class_name, owned_window_procedure<panel_window>,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const std::wstring title = to_utf16(presenter_.title());
    if (CreateWindowExW(0, window_class_name, title.c_str(), window_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this) == nullptr) {
        throw std::runtime_error(
            "cannot create the panel window: " +
            system_text(static_cast<long>(HRESULT_FROM_WIN32(GetLastError()))));
    }
    if (const int dpi = window_dots_per_inch(window_); dpi != dpi_) {  // another monitor's
        use_dpi(dpi);
    }
    const screen_size frame = framed(preferred_size());
    SetWindowPos(window_, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/// The fonts and the layout for a screen of `dots_per_inch`, and the fonts of the controls
/// made already.
void panel_window::use_dpi(int dots_per_inch) {
    dpi_ = dots_per_inch;
    for (std::size_t style = 0; style < fonts_.size(); ++style) {
        const text_font& look = text_fonts.at(style);
        fonts_[style] = look.fixed_pitch
                            ? fixed_pitch_font(dpi_)
                            : scaled_gui_font(dpi_, look.scale, look.bold ? FW_BOLD : FW_NORMAL);
    }
    layout_ = std::make_unique<panel_layout>(presenter_.description(), *metrics_);
    timing_layout_ = std::make_unique<panel_layout>(presenter_.timing().description(), *metrics_);
    for (const made& entry : made_) {
        SendMessageW(entry.window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font_of(style_of(entry.control->kind))), FALSE);
    }
    if (tabs_ != nullptr) {
        SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_of(text_style::plain)),
                     FALSE);
    }
}

int panel_window::tabs_height() const {
    RECT area{0, 0, 100, 100};
    TabCtrl_AdjustRect(tabs_, FALSE, &area);
    return area.top;
}

/// The client area both pages want, under the tab control.
screen_size panel_window::preferred_size() const {
    const screen_size monitor = layout_->preferred_size();
    const screen_size timing = timing_layout_->preferred_size();
    return {std::max(monitor.width, timing.width),
            std::max(monitor.height, timing.height) + tabs_height()};
}

/// Moved to a screen of another scale: laid out again for it, in the frame Windows suggests.
void panel_window::OnDpiChanged(int dots_per_inch, const RECT& suggested) {
    use_dpi(dots_per_inch);
    layout_->fit_width(suggested.right - suggested.left - framed({0, 0}).width);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    OnSize();
}

HWND panel_window::control(std::string_view name) const {
    const std::size_t index = index_of(name);
    return index < made_.size() ? made_[index].window : nullptr;
}

RECT panel_window::lamp_rect(std::string_view name, int position) const {
    RECT row{};
    GetClientRect(control(name), &row);
    return win32::lamp_rect(row, position, layout_->lamps().diameter);
}

std::size_t panel_window::index_of(std::string_view name) const {
    const auto named = [name](const made& entry) { return entry.control->name == name; };
    return name.empty()
               ? made_.size()
               : static_cast<std::size_t>(std::ranges::find_if(made_, named) - made_.begin());
}

HFONT panel_window::font_of(text_style style) const {
    return fonts_.at(static_cast<std::size_t>(style)).handle();
}

LRESULT panel_window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(w), *reinterpret_cast<const RECT*>(l));
            return 0;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(l));
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(w), HIWORD(w));
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(l)->code == TCN_SELCHANGE) {
                OnPageChosen();
                return 0;
            }
            break;
        case WM_TIMER:
            refresh();
            return 0;
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(l)->flags & SWP_SHOWWINDOW) != 0) {
                refresh();  // what happened while it was hidden
            }
            break;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
            return TRUE;
        case WM_SETCURSOR:
            if (presenter_.busy()) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
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
            KillTimer(window_, refresh_timer);
            window_ = nullptr;
            return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

void panel_window::OnCreate() {
    tabs_ = create_child(window_, {WC_TABCONTROLW, WS_CLIPSIBLINGS | WS_TABSTOP}, "", first_id - 1,
                         font_of(text_style::plain));
    for (std::size_t page = 0; page < panel_presenter::page_titles.size(); ++page) {
        std::wstring title = to_utf16(panel_presenter::page_titles.at(page));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
    }
    for (const auto& [control, place] : layout_->place(layout_->preferred_size())) {
        make(*control, 0);
    }
    for (const auto& [control, place] : timing_layout_->place(timing_layout_->preferred_size())) {
        make(*control, 1);
    }
    draw(presenter_.update());
    draw(presenter_.timing().update());
    presenter_.on_change([this] { refresh(); });
    SetTimer(window_, refresh_timer, static_cast<UINT>(panel_presenter::refresh_interval.count()),
             nullptr);
}

/// Made in the description's order, each box before what it holds (the first made is on
/// top, as in a dialog template), which is also the order Tab moves in.
void panel_window::make(const panel_control& control, std::size_t page) {
    const int id = first_id + static_cast<int>(made_.size());
    const HFONT font = font_of(style_of(control.kind));
    HWND window = control.kind == chart
                      ? chart_.create(window_, id, font)
                      : create_child(window_, kind_of(control.kind), control.caption, id, font);
    for (const std::string& item : control.items) {
        add_choice(window, item);
    }
    if (control.kind == choice || control.kind == entry) {
        SendMessageW(window, CB_SETCURSEL, 0, 0);  // as the presenter has it
    }
    if (!control.tip.empty()) {
        create_tooltip(window_, control.kind == entry ? combo_entry(window) : window, control.tip);
    }
    made_.push_back({&control, window, {}, page});
}

void panel_window::OnSize() {
    RECT client{};
    GetClientRect(window_, &client);
    const int top = tabs_height();
    MoveWindow(tabs_, 0, 0, client.right, top, FALSE);
    for (const panel_layout* layout : {layout_.get(), timing_layout_.get()}) {
        for (const auto& [control, place] : layout->place({client.right, client.bottom - top})) {
            // A combo box's window takes in its list, opened.
            const int list =
                control->kind == choice || control->kind == entry ? 8 * place.height : 0;
            const made& entry = *std::ranges::find(made_, control, &made::control);
            MoveWindow(entry.window, place.left, top + place.top, place.width, place.height + list,
                       FALSE);
            ShowWindow(entry.window, entry.page == shown_page_ ? SW_SHOWNA : SW_HIDE);
        }
    }
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void panel_window::OnGetMinMaxInfo(MINMAXINFO& limits) const {
    if (tabs_ == nullptr) {
        return;  // not created yet: nothing to measure with
    }
    screen_size smallest = layout_->smallest_size();
    smallest = framed({smallest.width, smallest.height + tabs_height()});
    limits.ptMinTrackSize = {smallest.width, smallest.height};
}

const panel_window::made* panel_window::made_by_id(int id) const {
    const auto index = static_cast<std::size_t>(id - first_id);
    return id >= first_id && index < made_.size() ? &made_[index] : nullptr;
}

void panel_window::OnCommand(int id, int notification) {
    const made* found = made_by_id(id);
    if (found == nullptr) {
        return;
    }
    const panel_control* control = found->control;
    HWND window = found->window;
    const std::string_view name = control->name;
    if (control->kind == check && notification == BN_CLICKED) {
        presenter_.toggled(name, checked(window));
    } else if (control->kind == button && notification == BN_CLICKED) {
        presenter_.pressed(name);
    } else if ((control->kind == choice || control->kind == entry) &&
               notification == CBN_SELCHANGE) {
        presenter_.chosen(name, static_cast<std::size_t>(SendMessageW(window, CB_GETCURSEL, 0, 0)));
    } else if (control->kind == entry && notification == CBN_EDITCHANGE) {
        presenter_.typed(name, window_text(window));
        refresh();
    }
}

void panel_window::OnPageChosen() {
    shown_page_ = static_cast<std::size_t>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    OnSize();
}

void panel_window::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    const made& row = *made_by_id(static_cast<int>(item.CtlID));
    paint_lamps(item.hDC, item.rcItem, row.lamps, row.control->items, layout_->lamps().diameter,
                font_of(text_style::small));
}

LRESULT panel_window::OnControlColour(UINT message, HDC dc, HWND control) {
    const made* found = made_by_id(GetDlgCtrlID(control));
    const panel_control* drawn = found != nullptr ? found->control : nullptr;
    if (drawn != nullptr && drawn->kind == banner) {
        SetBkColor(dc, colour_of(panel_colours::banner));
        SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(banner_brush_);
    }
    const LRESULT brush = DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(control));
    if (drawn != nullptr && drawn->ink) {
        SetTextColor(dc, colour_of(*drawn->ink));
    }
    return brush;
}

void panel_window::refresh() {
    if (window_ != nullptr && IsWindowVisible(window_)) {  // hidden, it catches up once shown
        draw(presenter_.update());
        draw(presenter_.timing().update());
    }
}

void panel_window::draw(const panel_update& update) {
    for (const auto& [name, value] : update.controls) {
        made& entry = made_.at(index_of(name));
        std::visit(drawn_by{
                       [&](const std::string& text) { show_text(entry.window, text); },
                       [&](bool on) { show_check(entry.window, on); },
                       [&](std::size_t index) { show_choice(entry.window, index); },
                       [&](const lamp_colours& colours) {
                           if (std::exchange(entry.lamps, colours) != colours) {
                               InvalidateRect(entry.window, nullptr, FALSE);
                           }
                       },
                       [&](const list_changes& changes) { show_changes(entry.window, changes); },
                       [&](const timing_drawing& drawing) { chart_.show_drawing(drawing); },
                   },
                   value);
    }
    if (update.relayout) {
        OnSize();
    }
}

void panel_window::move_beside(HWND form) {
    RECT form_frame{};
    GetWindowRect(form, &form_frame);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &screen);
    // The tab control is taken from the client area like the window's frame.
    const screen_rect place = place_panel(*layout_, rect_of(form_frame), rect_of(screen.rcWork),
                                          framed({0, tabs_height()}));
    SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    OnSize();  // narrowed, it may keep its size and still move its controls
}

void show_beside(HWND form, panel_window& panel) {
    panel.move_beside(form);
    ShowWindow(panel.handle(), SW_SHOWNOACTIVATE);
}

void bring_forward(HWND panel) {
    ShowWindow(panel, IsIconic(panel) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(panel);
}

}  // namespace helio::win32
