// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_window.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "console/win32/control_factory.h"
#include "console/win32/control_text.h"
#include "console/win32/list_box.h"
#include "console/window_placement.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

using enum control_kind;

constexpr wchar_t window_class_name[] = L"HeliographePanel";
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;
constexpr UINT_PTR refresh_timer = 1;
constexpr int first_id =
    300;  // clear of IDOK and IDCANCEL, which the dialog keys send, and of Form1's
constexpr int gap_between_windows = 8;

COLORREF colour_of(panel_colours::rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

struct window_kind {
    const wchar_t* class_name;
    DWORD style;
};

window_kind kind_of(control_kind kind) {
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
        case lines:
            return {WC_LISTBOXW,
                    LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP};
        default:
            return {WC_STATICW, label_style};
    }
}

bool checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

/// The line picked in a combo box's list: its window text is not changed yet when it says so.
std::string picked(HWND combo) {
    const auto index = static_cast<WPARAM>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return to_utf8(text);
}

}  // namespace

panel_window::panel_window(panel_presenter& presenter) : presenter_(presenter) {}

panel_window::~panel_window() {
    presenter_.on_keep_alive(nullptr);
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (banner_brush_ != nullptr) {
        DeleteObject(banner_brush_);
    }
}

void panel_window::create(HINSTANCE instance) {
    const int dpi = screen_dots_per_inch();
    font_ = scaled_gui_font(dpi);
    bold_font_ = scaled_gui_font(dpi, 1.0, FW_BOLD);
    value_font_ = scaled_gui_font(dpi, 1.4, FW_BOLD);
    small_font_ = scaled_gui_font(dpi, 0.9);
    fixed_font_ = fixed_pitch_font(dpi);
    banner_brush_ = CreateSolidBrush(colour_of(panel_colours::banner));
    register_window_class(instance, window_class_name, owned_window_procedure<panel_window>,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const std::wstring title = to_utf16(presenter_.title());
    if (CreateWindowExW(0, window_class_name, title.c_str(), window_style, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this) == nullptr) {
        throw std::runtime_error(
            "cannot create the panel window: " +
            system_text(static_cast<long>(HRESULT_FROM_WIN32(GetLastError()))));
    }
    const SIZE client = layout().preferred_size(presenter_.description());
    smallest_ = {client.cx, client.cy * 2 / 3};  // the lists show fewer lines
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, window_style, FALSE, 0);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND panel_window::control(std::string_view name) const {
    const made* found = find(name);
    return found != nullptr ? found->window : nullptr;
}

const lamp_row* panel_window::lamps(std::string_view name) const {
    const made* found = find(name);
    return found != nullptr ? found->lamps : nullptr;
}

const panel_window::made* panel_window::find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        made_, [name](const made& entry) { return !name.empty() && entry.control->name == name; });
    return found == made_.end() ? nullptr : &*found;
}

panel_layout panel_window::layout() const {
    return panel_layout(
        {font_.handle(), bold_font_.handle(), value_font_.handle(), small_font_.handle()},
        [this](const panel_control& control) {
            const auto found = std::ranges::find(made_, &control, &made::control);
            return found == made_.end() ? nullptr : found->window;
        },
        [this](const panel_control& control) {
            return std::ranges::find(made_, &control, &made::control)->lamps->preferred_size();
        });
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
    make(presenter_.description());
    // Rows of lamps one above the other share their cells' width, so that their bits line up.
    int widest = 0;
    for (const auto& row : lamp_rows_) {
        widest = std::max(widest, row->natural_cell_width());
    }
    for (const auto& row : lamp_rows_) {
        row->set_cell_width(widest);
    }
    draw(presenter_.update());
    presenter_.on_keep_alive([this] { refresh(); });
    SetTimer(window_, refresh_timer, static_cast<UINT>(panel_presenter::refresh_interval.count()),
             nullptr);
}

/// Made in the description's order, each box before what it holds (the first made is on
/// top, as in a dialog template), which is also the order Tab moves in.
void panel_window::make(const panel_control& control) {
    if (control.kind != column && control.kind != row && control.kind != pairs) {
        const int id = first_id + static_cast<int>(made_.size());
        lamp_row* lamps = nullptr;
        if (control.kind == control_kind::lamps) {
            lamps = lamp_rows_.emplace_back(std::make_unique<lamp_row>(control.items)).get();
            lamps->create(window_, id, small_font_.handle());
        }
        made_.push_back(
            {&control, lamps != nullptr ? lamps->handle() : make_window(control, id), lamps});
    }
    for (const panel_control& child : control.children) {
        make(child);
    }
}

HWND panel_window::make_window(const panel_control& control, int id) {
    const window_kind kind = kind_of(control.kind);
    const HFONT font = control.kind == banner  ? bold_font_.handle()
                       : control.kind == value ? value_font_.handle()
                       : control.kind == lines ? fixed_font_.handle()
                                               : font_.handle();
    HWND window = create_child(window_, kind.class_name, control.caption, kind.style, id, font,
                             control.kind == lines ? WS_EX_CLIENTEDGE : 0);
    for (const std::string& item : control.items) {
        add_choice(window, item);
    }
    if (control.kind == choice || control.kind == entry) {
        SendMessageW(window, CB_SETCURSEL, 0, 0);  // as the presenter has it
    }
    if (!control.tip.empty()) {
        create_tooltip(window_, control.kind == entry ? combo_entry(window) : window, control.tip);
    }
    return window;
}

void panel_window::OnSize() {
    RECT client{};
    GetClientRect(window_, &client);
    layout().lay_out(presenter_.description(), {client.right, client.bottom});
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void panel_window::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (HWND banner_text = control("simulation_banner"); banner_text != nullptr) {
        RECT band{};
        GetWindowRect(banner_text, &band);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&band), 2);
        const int padding = layout().banner_padding();
        InflateRect(&band, padding, padding);
        FillRect(dc, &band, banner_brush_);
    }
    EndPaint(window_, &paint);
}

void panel_window::OnGetMinMaxInfo(MINMAXINFO& limits) const {
    if (window_ == nullptr) {
        return;  // not created yet: nothing to measure with
    }
    RECT smallest{0, 0, smallest_.cx, smallest_.cy};
    AdjustWindowRectEx(&smallest, window_style, FALSE, 0);
    limits.ptMinTrackSize = {smallest.right - smallest.left, smallest.bottom - smallest.top};
}

void panel_window::OnCommand(int id, int notification) {
    const auto index = static_cast<std::size_t>(id - first_id);
    if (id < first_id || index >= made_.size()) {
        return;
    }
    const auto [control, window, lamps] = made_[index];
    const std::string_view name = control->name;
    if (control->kind == check && notification == BN_CLICKED) {
        presenter_.toggled(name, checked(window));
    } else if (control->kind == button && notification == BN_CLICKED) {
        presenter_.pressed(name);
    } else if (control->kind == choice && notification == CBN_SELCHANGE) {
        presenter_.chosen(name, static_cast<std::size_t>(SendMessageW(window, CB_GETCURSEL, 0, 0)));
    } else if (control->kind == entry && notification == CBN_EDITCHANGE) {
        presenter_.typed(name, window_text(window));
    } else if (control->kind == entry && notification == CBN_SELCHANGE) {
        presenter_.typed(name, picked(window));
    } else {
        return;
    }
    refresh();
}

bool panel_window::OnSetCursor() {
    if (!presenter_.busy()) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

LRESULT panel_window::OnControlColour(UINT message, HDC dc, HWND control) {
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - first_id);
    const panel_control* drawn = index < made_.size() ? made_[index].control : nullptr;
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

void panel_window::OnDestroy() {
    KillTimer(window_, refresh_timer);
    window_ = nullptr;
}

void panel_window::refresh() {
    if (window_ != nullptr && IsWindowVisible(window_)) {
        draw(presenter_.update());  // hidden, it catches up once shown again
    }
}

void panel_window::draw(const panel_update& update) {
    bool grown = false;  // a text of more lines, or fewer, than it had
    for (const auto& [name, value] : update.controls) {
        const made& entry = *find(name);
        std::visit(drawn_by{
                       [&](const std::string& text) {
                           const std::string shown = window_text(entry.window);
                           grown =
                               grown ||
                               std::ranges::count(shown, '\n') != std::ranges::count(text, '\n') ||
                               shown.empty() != text.empty();
                           show_text(entry.window, text);
                       },
                       [&](bool on) { show_check(entry.window, on); },
                       [&](std::size_t index) { show_choice(entry.window, index); },
                       [&](const lamp_colours& colours) { entry.lamps->show_colours(colours); },
                       [&](const list_changes& changes) { show_changes(entry.window, changes); },
                   },
                   value);
    }
    if (grown) {
        OnSize();
    }
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
    const auto rect_of = [](const RECT& r) {
        return screen_rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    const screen_rect place =
        place_beside(rect_of(form_frame),
                     {panel_frame.right - panel_frame.left, panel_frame.bottom - panel_frame.top},
                     {limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}, rect_of(screen.rcWork),
                     gap_between_windows);
    SetWindowPos(panel, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(panel, SW_SHOWNOACTIVATE);
}

void bring_forward(HWND panel) {
    ShowWindow(panel, IsIconic(panel) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(panel);
}

}  // namespace helio::win32
