// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_window.h"

#include <algorithm>
#include <stdexcept>

#include "console/panel_colours.h"
#include "console/panel_texts.h"
#include "console/win32/control_factory.h"
#include "console/win32/control_text.h"
#include "console/win32/list_box.h"
#include "console/win32/panel_controls.h"
#include "console/window_placement.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

namespace ids = panel_ids;
namespace captions = panel_captions;

constexpr wchar_t window_class_name[] = L"HeliographePanel";
constexpr DWORD window_style = WS_OVERLAPPEDWINDOW;
constexpr UINT_PTR refresh_timer = 1;
constexpr int gap_between_windows = 8;
constexpr int transcript_lines_in_sight = 20;
constexpr int fewest_transcript_lines = 6;
constexpr int violation_lines_in_sight = 6;

COLORREF colour_of(panel_colours::rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

int text_width(HFONT font, std::string_view text) {
    return text_size(font, to_utf16(text)).cx;
}

int text_height(HFONT font, std::string_view text, int width) {
    return text_size(font, to_utf16(text), std::max(width, 1)).cy;
}

}  // namespace

panel_window::panel_window(panel_presenter& presenter)
    : presenter_(presenter),
      output_lamps_(panel_presenter::output_lamp_captions()),
      input_lamps_(panel_presenter::input_lamp_captions()) {}

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
    const SIZE client = preferred_client_size();
    smallest_ = {client.cx, client.cy - (transcript_lines_in_sight - fewest_transcript_lines) *
                                            line_height(font_.handle())};
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, window_style, FALSE, 0);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND panel_window::control(std::string_view name) const {
    const auto entry = std::ranges::find(ids::controls, name, &ids::control::name);
    return entry == ids::controls.end() || name.empty() ? nullptr : item(entry->id);
}

LRESULT panel_window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_SIZE:
            lay_out(LOWORD(l), HIWORD(l));
            InvalidateRect(window_, nullptr, TRUE);
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

HFONT panel_window::font_of(int id) const {
    const auto entry = std::ranges::find(ids::controls, id, &ids::control::id);
    switch (entry->font) {
        case ids::font_role::bold:
            return bold_font_.handle();
        case ids::font_role::value:
            return value_font_.handle();
        case ids::font_role::fixed:
            return fixed_font_.handle();
        case ids::font_role::text:
            break;
    }
    return font_.handle();
}

void panel_window::OnCreate() {
    for (const ids::control& made : ids::controls) {
        if (made.id >= ids::banner && !presenter_.shows_instrument()) {
            break;
        }
        create_child(window_, made.class_name, made.caption, made.style, made.id, font_of(made.id),
                     made.extended_style);
    }
    output_lamps_.create(window_, ids::output_lamps, small_font_.handle());
    input_lamps_.create(window_, ids::input_lamps, small_font_.handle());
    const int cell =
        std::max(output_lamps_.natural_cell_width(), input_lamps_.natural_cell_width());
    output_lamps_.set_cell_width(cell);
    input_lamps_.set_cell_width(cell);
    if (presenter_.shows_instrument()) {
        for (const std::string& choice : panel_presenter::fault_choices()) {
            add_choice(item(ids::fault_status), choice);
        }
        SendMessageW(item(ids::fault_status), CB_SETCURSEL, panel_presenter::first_fault_choice, 0);
        create_tooltip(window_, combo_entry(item(ids::fault_status)), captions::fault_status_tip);
        for (const std::string& speed : panel_presenter::travel_speeds()) {
            add_choice(item(ids::travel_speed), speed);
        }
        create_tooltip(window_, item(ids::travel_speed), captions::speed_tip);
    }
    draw(presenter_.update());
    presenter_.on_keep_alive([this] { refresh(); });
    SetTimer(window_, refresh_timer, static_cast<UINT>(panel_presenter::refresh_interval.count()),
             nullptr);
}

int panel_window::row_label_width() const {
    const HFONT font = font_.handle();
    return std::max(text_width(font, captions::outputs_row),
                    text_width(font, captions::inputs_row));
}

int panel_window::instrument_width() const {
    if (!presenter_.shows_instrument()) {
        return 0;
    }
    const HFONT font = font_.handle();
    const spacing space(font);
    // The sighting button's caption beside its box; the speeds beside their label.
    return std::max(text_width(font, captions::sighting_button) + 2 * space.line,
                    text_width(font, captions::speed_row) + 12 * space.line) +
           2 * space.inset;
}

SIZE panel_window::preferred_client_size() {
    const spacing space(font_.handle());
    const int monitor =
        2 * space.inset + row_label_width() + space.gap + output_lamps_.preferred_size().cx;
    const int instrument = instrument_width();
    const int width = 2 * space.inset + monitor + (instrument > 0 ? space.inset + instrument : 0);
    return {width, lay_out(width, 0)};
}

int panel_window::lay_out(int client_width, int client_height) {
    const spacing space(font_.handle());
    const int top = lay_out_banner(space, client_width);
    const int bottom = std::max(client_height - space.inset, 0);
    const int instrument = instrument_width();
    const int monitor_width =
        client_width - 2 * space.inset - (instrument > 0 ? instrument + space.inset : 0);
    column monitor{window_, space, space.inset, monitor_width, top};
    lay_out_lines(monitor);
    group transcript(monitor, ids::transcript_box);
    column& in = transcript.inner;
    in.put(ids::transcript_legend,
           text_height(font_.handle(), captions::transcript_legend, in.width));
    int needed = in.top + transcript_lines_in_sight * space.line + 2 * space.inset;
    in.put(ids::transcript, std::max(transcript.room_above(bottom), space.line));
    transcript.end(std::max(bottom, in.top));
    if (instrument > 0) {
        column right{window_, space, client_width - space.inset - instrument, instrument, top};
        needed = std::max(needed, lay_out_instrument(right, bottom));
    }
    return needed;
}

int panel_window::lay_out_banner(const spacing& space, int client_width) {
    if (!presenter_.shows_instrument()) {
        return space.inset;
    }
    const int width = client_width - 2 * space.inset;
    const int text =
        text_height(bold_font_.handle(), captions::simulation_banner, width - 2 * space.gap);
    banner_area_ = {space.inset, space.inset, space.inset + width,
                    space.inset + text + 2 * space.gap};
    column{window_, space, 0, 0, 0}.place(ids::banner, banner_area_.left + space.gap,
                                          banner_area_.top + space.gap, width - 2 * space.gap,
                                          text);
    return banner_area_.bottom + space.inset;
}

void panel_window::lay_out_lines(column& monitor) const {
    const spacing& space = monitor.space;
    const SIZE lamps = output_lamps_.preferred_size();
    const int label_width = row_label_width();
    group lines(monitor, ids::lines_box);
    column& in = lines.inner;
    for (const auto& [label, value, row] :
         {std::tuple{ids::outputs_label, ids::output_value, ids::output_lamps},
          std::tuple{ids::inputs_label, ids::input_value, ids::input_lamps}}) {
        in.place(label, in.left, in.top, label_width, 2 * space.line);
        in.place(value, in.left, in.top + 2 * space.line, label_width,
                 line_height(value_font_.handle()));
        in.place(row, in.left + label_width + space.gap, in.top, lamps.cx, lamps.cy);
        in.top += lamps.cy + space.gap;
    }
    in.put(ids::wait, space.label());
    in.put(ids::counts, space.label());
    in.put(ids::status_lines, static_cast<int>(status_lines_shown_) * space.line);
    lines.end();
}

int panel_window::lay_out_instrument(column& right, int bottom) const {
    const spacing& space = right.space;
    const HFONT font = font_.handle();
    group instrument(right, ids::instrument_box);
    column& in = instrument.inner;
    const int label_width =
        std::max({text_width(font, captions::mirror_row), text_width(font, captions::blades_row),
                  text_width(font, captions::pusher_row)}) +
        space.gap;
    in.put_pair(ids::mirror_label, ids::mirror_state, label_width, space.label());
    in.put_pair(ids::blades_label, ids::blades_state, label_width, space.label());
    in.put_pair(ids::pusher_label, ids::pusher_state, label_width, space.label());
    in.put(ids::sighting_button, space.check());
    lay_out_faults(in);
    in.put_pair(ids::speed_label, ids::travel_speed,
                text_width(font, captions::speed_row) + space.gap, space.field());
    group violations(in, ids::violations_box);
    violations.inner.put(ids::violation_count, space.label());
    const int needed =
        violations.inner.top + violation_lines_in_sight * space.line + 3 * space.inset;
    violations.inner.put(ids::violations,
                         std::max(violations.room_above(bottom - space.inset), space.line));
    violations.end(std::max(bottom - space.inset, violations.inner.top));
    instrument.end(std::max(bottom, in.top));
    return needed;
}

void panel_window::lay_out_faults(column& instrument) const {
    const spacing& space = instrument.space;
    const HFONT font = font_.handle();
    group faults(instrument, ids::faults_box);
    column& in = faults.inner;
    in.put(ids::mirror_stuck, space.check());
    in.put(ids::blades_stuck, space.check());
    in.put(ids::fault_prompt, text_height(font, captions::access_fault_prompt, in.width));
    in.put_combo(ids::fault_status, space.field());
    const int button_width = text_width(font, captions::cancel_fault) + 4 * space.line;
    in.place(ids::arm_fault, in.left, in.top, button_width, space.field());
    in.place(ids::cancel_fault, in.left + button_width + space.gap, in.top, button_width,
             space.field());
    in.top += space.field() + space.gap;
    in.put(ids::armed_fault, text_height(font, captions::unknown_status, in.width));
    faults.end();
}

void panel_window::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (presenter_.shows_instrument()) {
        FillRect(dc, &banner_area_, banner_brush_);
    }
    EndPaint(window_, &paint);
}

void panel_window::OnGetMinMaxInfo(MINMAXINFO& limits) const {
    if (window_ == nullptr) {
        return;  // not created yet: nothing to measure with
    }
    // Narrower, the lamps would be cut off; the transcript scrolls sideways.
    RECT smallest{0, 0, smallest_.cx, smallest_.cy};
    AdjustWindowRectEx(&smallest, window_style, FALSE, 0);
    limits.ptMinTrackSize = {smallest.right - smallest.left, smallest.bottom - smallest.top};
}

void panel_window::OnCommand(int id, int notification) {
    const auto checked = [this, id] {
        return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    switch (id) {
        case ids::sighting_button:
            presenter_.set_sighting_button(checked());
            break;
        case ids::mirror_stuck:
            presenter_.set_mirror_stuck(checked());
            break;
        case ids::blades_stuck:
            presenter_.set_blades_stuck(checked());
            break;
        case ids::fault_status:
            if (notification == CBN_EDITCHANGE || notification == CBN_SELCHANGE) {
                presenter_.fault_entry_changed();
            }
            break;
        case ids::arm_fault:
            presenter_.arm_fault(window_text(item(ids::fault_status)));
            break;
        case ids::cancel_fault:
            presenter_.cancel_fault();
            break;
        case ids::travel_speed:
            if (notification == CBN_SELCHANGE) {
                presenter_.choose_travel_speed(
                    static_cast<std::size_t>(SendMessageW(item(id), CB_GETCURSEL, 0, 0)));
            }
            break;
        default:
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
    if (window_ != nullptr && IsWindowVisible(window_)) {
        draw(presenter_.update());  // hidden, it catches up once shown again
    }
}

void panel_window::draw(const panel_update& update) {
    const monitor_state& monitor = update.monitor;
    output_lamps_.show_colours(monitor.outputs.colours);
    input_lamps_.show_colours(monitor.inputs.colours);
    show_text(item(ids::output_value), monitor.outputs.value);
    show_text(item(ids::input_value), monitor.inputs.value);
    show_text(item(ids::wait), monitor.wait);
    show_text(item(ids::counts), monitor.counts);
    if (monitor.status_lines.size() != status_lines_shown_) {
        status_lines_shown_ = monitor.status_lines.size();
        RECT client{};
        GetClientRect(window_, &client);
        lay_out(client.right, client.bottom);
    }
    show_text(item(ids::status_lines), joined_lines(monitor.status_lines));
    show_changes(item(ids::transcript), update.transcript);
    if (!update.instrument) {
        return;
    }
    const instrument_state& instrument = *update.instrument;
    show_text(item(ids::mirror_state), instrument.mirror);
    show_text(item(ids::blades_state), instrument.blades);
    show_text(item(ids::pusher_state), instrument.pusher);
    show_text(item(ids::armed_fault), instrument.armed_fault);
    show_text(item(ids::violation_count), instrument.violation_count);
    show_check(item(ids::sighting_button), instrument.sighting_button);
    show_check(item(ids::mirror_stuck), instrument.mirror_stuck);
    show_check(item(ids::blades_stuck), instrument.blades_stuck);
    if (instrument.travel_speed) {
        show_choice(item(ids::travel_speed), *instrument.travel_speed);
    }
    show_changes(item(ids::violations), update.violations);
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
