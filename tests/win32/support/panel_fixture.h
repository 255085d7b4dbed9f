// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/win32/control_text.h"
#include "console/win32/form1_window.h"
#include "console/win32/panel_window.h"
#include "support/simulated_panel.h"
#include "support/window_probe.h"
#include "ttl/win32/wide_text.h"

namespace helio {

/// Form1 and the panel drawn from its presenter over the simulated heliograph, as
/// `--simulate` runs them, on a clock that moves 50 µs at every reading.
class PanelWindowTest : public ::testing::Test, protected test::simulated_panel {
  protected:
    PanelWindowTest() {
        window.set_error_presenter([this](HWND, const std::wstring& message) {
            sim->host.show_error(win32::to_utf8(message));
        });
        window.create(GetModuleHandleW(nullptr), /*ends_program=*/false);
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        UpdateWindow(window.handle());
        panel.create(GetModuleHandleW(nullptr));
        win32::show_beside(window.handle(), panel);
        test::pump_messages();
    }

    /// A click on one of Form1's buttons, then the panel's next look at the presenter.
    void click(std::string_view name) {
        test::click(window.control(name));
        panel.refresh();
    }
    /// What a click on the tab of the panel's `page` does.
    void show_page(int page) {
        HWND tabs = FindWindowExW(panel.handle(), nullptr, WC_TABCONTROLW, nullptr);
        ASSERT_NE(tabs, nullptr);
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
        NMHDR chosen{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), TCN_SELCHANGE};
        SendMessageW(panel.handle(), WM_NOTIFY, chosen.idFrom, reinterpret_cast<LPARAM>(&chosen));
        test::pump_messages();
    }
    HWND control(const char* name) const {
        HWND found = panel.control(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string label(const char* name) const { return win32::window_text(control(name)); }
    std::vector<std::string> transcript() const { return test::utf8_lines(control("transcript")); }
    COLORREF lamp_colour(const char* row, int position) const {
        const RECT lamp = panel.lamp_rect(row, position);
        return test::pixel(control(row),
                           {(lamp.left + lamp.right) / 2, (lamp.top + lamp.bottom) / 2});
    }

    win32::form1_window window{sim->model};
    win32::panel_window panel{presenter};
};

}  // namespace helio
