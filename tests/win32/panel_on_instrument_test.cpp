// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "console/form_layout.h"
#include "console/panel_texts.h"
#include "console/win32/console_loop.h"
#include "console/win32/control_text.h"
#include "console/win32/form1_window.h"
#include "console/win32/panel_window.h"
#include "support/every_button_script.h"
#include "support/standin_console.h"
#include "support/window_probe.h"
#include "ttl/clock.h"
#include "ttl/win32/com_io_component.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

using ::testing::HasSubstr;

/// Form1 on the instrument, here the registered stand-in I/O component (which records
/// every call it gets), with the panel as the console builds it there: the line monitor
/// alone, made and shown the first time F12 is pressed in Form1.
class PanelOnInstrumentTest : public ::testing::Test, protected test::standin_console {
  protected:
    PanelOnInstrumentTest() {
        standin.reset();
        window.create(GetModuleHandleW(nullptr), /*ends_program=*/false);
        window.on_f12([this] {
            if (!panel) {
                presenter.emplace(device, *monitor, nullptr, panel_titles::real_device);
                panel.emplace(*presenter);
                panel->create(GetModuleHandleW(nullptr));
                loop.add_dialog(panel->handle());
                win32::show_beside(window.handle(), *panel);
            }
            win32::bring_forward(panel->handle());
        });
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        UpdateWindow(window.handle());
        pump();
    }

    /// Hands every waiting message to the console's loop, as the program's loop would.
    void pump() const {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            loop.handle(message);
        }
    }

    void press(const test::scripted_press& step) {
        if (!step.typed.empty()) {
            SetWindowTextW(window.control("Text1"), win32::to_utf16(step.typed).c_str());
        }
        HWND button = window.control(step.control);
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        pump();
    }

    /// F12 pressed while one of Form1's buttons has the focus.
    void press_f12() {
        HWND focus = window.control("Command1");
        SetFocus(focus);
        PostMessageW(focus, WM_KEYDOWN, VK_F12, 1);
        PostMessageW(focus, WM_KEYUP, VK_F12, static_cast<LPARAM>(0xC0000001u));
        pump();
    }

    std::vector<std::string> transcript() const {
        return test::utf8_lines(panel->control("transcript"));
    }

    std::unique_ptr<line_monitor> monitor = std::make_unique<line_monitor>(device);
    win32::form1_window window{model};
    win32::console_loop loop{window};
    std::optional<panel_presenter> presenter;
    std::optional<win32::panel_window> panel;
};

TEST_F(PanelOnInstrumentTest, F12OpensTheLineMonitorAloneShowingWhatCameBefore) {
    press(test::every_button_script()[0]);  // INIT TTL output
    EXPECT_FALSE(panel) << "absent until asked for";
    press_f12();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(IsWindowVisible(panel->handle()));
    EXPECT_EQ(win32::window_text(panel->handle()), panel_titles::real_device);
    for (const char* name : {"simulation_banner", "sighting_button", "mirror_stuck", "fault_status",
                             "travel_speed", "violations"}) {
        EXPECT_EQ(panel->control(name), nullptr) << name << ": the simulator's only";
    }
    EXPECT_EQ(win32::window_text(panel->control("output_value")), "0");
    ASSERT_EQ(transcript().size(), 1u);
    EXPECT_THAT(transcript()[0], HasSubstr("W   0  0000 0000  lignes au repos"));
    EXPECT_EQ(standin.object_journal().size(), 3u) << "INIT's write, nothing more";
    std::vector<int> ids;
    std::vector<int> expected;
    for (HWND child = GetWindow(window.handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ids.push_back(GetDlgCtrlID(child));
    }
    for (std::size_t i = 0; i < layout::controls.size(); ++i) {
        expected.push_back(win32::form1_window::control_id(i));
    }
    std::ranges::sort(ids);
    EXPECT_EQ(ids, expected) << "Form1 keeps exactly its thirteen controls";

    SendMessageW(panel->handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(panel->handle()));
    EXPECT_TRUE(IsWindowVisible(window.handle())) << "closing the panel leaves the console";
    press_f12();
    EXPECT_TRUE(IsWindowVisible(panel->handle())) << "F12 brings it back";
}

TEST_F(PanelOnInstrumentTest, EveryButtonsBytesAreOnTheMonitorAndThePanelMakesNoCallOfItsOwn) {
    monitor.reset();
    for (const test::scripted_press& step : test::every_button_script()) {
        press(step);
    }
    const std::vector<std::string> alone = standin.object_journal();

    standin.reset();  // the same heliograph from the start, objects numbered from 1 again
    monitor = std::make_unique<line_monitor>(device);
    press_f12();
    for (const test::scripted_press& step : test::every_button_script()) {
        const std::vector<std::string> before = transcript();
        press(step);
        panel->refresh();
        EXPECT_EQ(test::written_since(before, transcript()), step.writes()) << step.control;
    }
    const std::vector<std::string> watched = standin.object_journal();
    EXPECT_EQ(watched, alone) << "the same calls with the panel open or absent";
    std::uint64_t port_calls = 0;
    for (const standin_call& call : standin.calls()) {
        port_calls += call.kind == standin_read || call.kind == standin_write ? 1 : 0;
    }
    EXPECT_EQ(monitor->writes() + monitor->reads(), port_calls)
        << "every call the component got is on the monitor, and no other";
    EXPECT_EQ(win32::window_text(panel->control("input_value")), "11")
        << "button, sighting and blades: POUSSOIR's VISEE was the last mirror move";

    for (int i = 0; i < 4; ++i) {
        Sleep(static_cast<DWORD>(panel_presenter::refresh_interval.count()));
        pump();  // the panel's timer
    }
    SendMessageW(panel->handle(), WM_CLOSE, 0, 0);
    press_f12();
    EXPECT_EQ(standin.object_journal(), watched) << "the panel itself calls the component never";
}

}  // namespace
}  // namespace helio
