// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
// Run once per display scale (tests/win32/at-dpi): both windows as the console opens them,
// every text whole, nothing laid over anything else.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "console/form_layout.h"
#include "console/win32/control_factory.h"
#include "console/win32/form1_window.h"
#include "console/win32/lamp_painter.h"
#include "console/win32/panel_window.h"
#include "support/panel_fixture.h"
#include "support/window_fit.h"
#include "support/window_probe.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

/// `rect`, in the client coordinates of `window`, or in the screen's without one.
screen_rect on_screen(HWND window, const RECT& rect) {
    POINT corner{rect.left, rect.top};
    if (window != nullptr) {
        ClientToScreen(window, &corner);
    }
    return {corner.x, corner.y, rect.right - rect.left, rect.bottom - rect.top};
}

screen_rect client_on_screen(HWND window) {
    return on_screen(window, test::client_rect(window));
}

screen_size size_of(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

/// The size `text` takes in the control's own font: on one line, or wrapped at `width`.
screen_size text_size(HWND control, const std::wstring& text, int width = 0) {
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size_of(needed);
}

/// Named by its class and the start of its text.
test::shown_control control_of(HWND control, screen_size room, screen_size text) {
    const std::wstring name =
        test::window_class(control) + L" \"" + test::window_text(control).substr(0, 30) + L"\"";
    return {win32::to_utf8(name), client_on_screen(control), room, text};
}

/// A push button's caption within its frame and the margins comctl32 keeps around it.
test::shown_control button_of(HWND button) {
    RECT margin{};
    SendMessageW(button, BCM_GETTEXTMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    RECT room = test::client_rect(button);
    InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    room = {room.left + margin.left, room.top + margin.top, room.right - margin.right,
            room.bottom - margin.bottom};
    return control_of(button, size_of(room), text_size(button, test::window_text(button)));
}

/// A check box's mark and caption, as comctl32 would size the box for them.
test::shown_control check_of(HWND check) {
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(check, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    return control_of(check, size_of(test::client_rect(check)), {ideal.cx, ideal.cy});
}

test::shown_control static_of(HWND label) {
    const RECT room = test::client_rect(label);
    const bool one_line = (GetWindowLongW(label, GWL_STYLE) & SS_CENTERIMAGE) != 0;
    const std::wstring text = test::window_text(label);
    return control_of(
        label, size_of(room),
        text.empty() ? screen_size{} : text_size(label, text, one_line ? 0 : room.right));
}

/// Its field holds the widest of its lines.
test::shown_control combo_of(HWND combo) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    GetComboBoxInfo(combo, &parts);
    screen_size widest{};
    const auto count = static_cast<WPARAM>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (WPARAM i = 0; i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)),
                          L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        const screen_size size = text_size(combo, line);
        widest = {std::max(widest.width, size.width), std::max(widest.height, size.height)};
    }
    return control_of(combo, size_of(parts.rcItem), widest);
}

/// The box, which holds what lies within it, and the band of its title, which nothing
/// may cover.
void add_box(HWND box, std::vector<test::shown_control>& into) {
    const RECT whole = test::client_rect(box);
    test::shown_control frame = control_of(box, size_of(whole), {});
    frame.holds_others = true;
    into.push_back(frame);
    const screen_size title = text_size(box, test::window_text(box));
    const int indent = title.height / 2;  // where the frame's line begins, each side
    into.push_back({frame.name + " (title)",
                    on_screen(box, {0, 0, whole.right, title.height}),
                    {whole.right - 2 * indent, title.height},
                    title});
}

/// The row, and each lamp's caption in its cell, wrapped between words.
void add_lamps(const win32::panel_window& panel, std::string_view name,
               const std::vector<std::string>& captions, std::vector<test::shown_control>& into) {
    HWND row = panel.control(name);
    const RECT whole = test::client_rect(row);
    test::shown_control lamps = control_of(row, size_of(whole), {});
    lamps.name = std::string(name);
    lamps.holds_others = true;
    into.push_back(lamps);
    const RECT first = panel.lamp_rect(name, 0);
    for (int position = 0; position < 8; ++position) {
        const RECT cell = win32::caption_rect(whole, position, first.right - first.left);
        const std::string caption = captions.at(static_cast<std::size_t>(position));
        into.push_back({std::string(name) + " " + caption, on_screen(row, cell), size_of(cell),
                        text_size(row, win32::to_utf16(caption), cell.right - cell.left)});
    }
}

/// The timing view's chart holds the press it shows whole, in its font: a unit across is the
/// digit 0, a unit down a line.
test::shown_control chart_of(HWND chart, const timing_drawing& drawing) {
    const screen_size digit = text_size(chart, L"0");
    return control_of(chart, size_of(test::client_rect(chart)),
                      {static_cast<int>(std::ceil(drawing.width * digit.width)),
                       static_cast<int>(std::ceil(drawing.height * digit.height))});
}

/// `control` measured as comctl32 draws its kind; the setpoint entry holds three digits, the
/// most the setpoint has. The lamp rows, which Windows does not draw, are left to add_lamps.
void add_shown(HWND control, std::vector<test::shown_control>& into) {
    const std::wstring kind = test::window_class(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const LONG button_type = style & BS_TYPEMASK;
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        if (button_type == BS_GROUPBOX) {
            add_box(control, into);
        } else {
            into.push_back(button_type == BS_PUSHBUTTON ? button_of(control) : check_of(control));
        }
    } else if (_wcsicmp(kind.c_str(), L"ComboBox") == 0) {
        into.push_back(combo_of(control));
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) != SS_OWNERDRAW) {
        into.push_back(static_of(control));
    } else if (_wcsicmp(kind.c_str(), L"ListBox") == 0) {
        into.push_back(control_of(control, {}, {}));  // it scrolls
    } else if (_wcsicmp(kind.c_str(), L"Edit") == 0) {
        RECT room{};
        SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        into.push_back(control_of(control, size_of(room), text_size(control, L"888")));
    }
}

test::shown_window shown(HWND window, std::string name, const std::vector<HWND>& controls) {
    test::shown_window shown{std::move(name),
                             on_screen(nullptr, test::window_rect(window)),
                             client_on_screen(window),
                             {}};
    for (HWND control : controls) {
        add_shown(control, shown.controls);
    }
    return shown;
}

/// Those shown: the panel's other page is hidden.
std::vector<HWND> children_of(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            children.push_back(child);
        }
    }
    return children;
}

/// Both windows as `--simulate` opens them, every line of state the panel shows holding the
/// longest text it may have.
class WindowFit : public PanelWindowTest {
  protected:
    WindowFit() {
        show_longest_texts();
        panel.refresh();
        test::pump_messages();
    }

    test::shown_window form1_shown() const {
        return shown(window.handle(), "Form1", children_of(window.handle()));
    }

    test::shown_window panel_shown() const {
        test::shown_window panel_is = shown(panel.handle(), "panel", children_of(panel.handle()));
        if (IsWindowVisible(panel.control("timing_chart"))) {
            panel_is.controls.push_back(
                chart_of(panel.control("timing_chart"),
                         presenter.timing().update().of<timing_drawing>("timing_chart")));
            return panel_is;
        }
        for (const char* row : {"output_lamps", "input_lamps"}) {
            add_lamps(panel, row, find_panel_control(presenter.description(), row)->items,
                      panel_is.controls);
        }
        return panel_is;
    }
};

TEST_F(WindowFit, EveryTextWholeNothingCoveredBothWindowsOnTheScreen) {
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(window.handle(), MONITOR_DEFAULTTONEAREST), &screen);
    for (const int page : {1, 0}) {
        show_page(page);
        const std::vector<test::shown_window> windows{form1_shown(), panel_shown()};
        std::cout << window.dots_per_inch() << " dpi, work area "
                  << screen.rcWork.right - screen.rcWork.left << "x"
                  << screen.rcWork.bottom - screen.rcWork.top << ", page " << page << ": "
                  << test::window_sizes(windows) << "\n";
        EXPECT_EQ(test::fit_faults(windows, on_screen(nullptr, screen.rcWork)),
                  std::vector<std::string>{})
            << "page " << page;
    }
}

/// What Windows does as a window is dragged to a monitor of another scale: it tells the
/// window the new scale and suggests a frame of the old size scaled.
void move_to_scale(HWND window, int from, int to) {
    const RECT frame = test::window_rect(window);
    RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, to, from),
                   frame.top + MulDiv(frame.bottom - frame.top, to, from)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(WindowFit, BothWindowsFollowAMoveToAScreenOfAnotherScale) {
    // Up in scale: Wine draws a check box's mark at the system's scale, however large.
    const int from = window.dots_per_inch();
    const int to = from * 3 / 2;
    move_to_scale(window.handle(), from, to);
    move_to_scale(panel.handle(), from, to);
    test::pump_messages();
    EXPECT_EQ(window.dots_per_inch(), to);
    for (const layout::control_spec& item : layout::controls) {
        const RECT place = test::window_rect(window.control(item.name), window.handle());
        const RECT expected = win32::control_rectangle(item, to);
        EXPECT_TRUE(EqualRect(&place, &expected)) << item.name << " in twips at " << to;
    }
    const screen_rect anywhere{-10000, -10000, 20000, 20000};  // the other screen's
    EXPECT_EQ(test::fit_faults({form1_shown()}, anywhere), std::vector<std::string>{});
    EXPECT_EQ(test::fit_faults({panel_shown()}, anywhere), std::vector<std::string>{});
}

}  // namespace
}  // namespace helio
