// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/form1_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>
#include <utility>
#include <vector>

#include "app/program_identity.h"
#include "console/form_layout.h"
#include "console/win32/user_locale.h"
#include "support/recorders.h"
#include "support/standin_console.h"
#include "support/window_probe.h"
#include "ttl/clock.h"
#include "ttl/win32/com_io_component.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

namespace layout = helio::layout;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using win32::to_utf16;

/// The Win32 window over the model over the registered stand-in component, driven by
/// window messages as the operator's mouse and keyboard would drive it.
class Form1WindowTest : public ::testing::Test, protected test::standin_console {
  protected:
    Form1WindowTest() {
        standin.reset();
        device.add_listener(ports);
        window.create(GetModuleHandleW(nullptr), /*ends_program=*/false);
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        UpdateWindow(window.handle());
        test::pump_messages();
    }

    int px(int twips) const { return layout::twips_to_pixels(twips, window.dots_per_inch()); }

    void click(std::string_view name) {
        HWND button = window.control(name);
        ASSERT_NE(button, nullptr) << name;
        test::click(button);
    }

    void type(std::wstring_view keys) {
        HWND entry = window.control("Text1");
        for (const wchar_t key : keys) {
            SendMessageW(entry, WM_CHAR, key, 1);
        }
    }

    /// The ink at the left edge of log line `index` (the controls start further right).
    int ink_on_line(int index) const {
        const int top = index * window.line_height();
        return test::ink_pixels(window.handle(), {0, top, 16, top + window.line_height()});
    }

    win32::form1_window window{model};
    test::event_recorder ports;
};

TEST_F(Form1WindowTest, TitleClientAreaInPixelsIconAndTheAboutItemInItsSystemMenu) {
    EXPECT_EQ(test::window_text(window.handle()), L"COMMANDES TTL HELIOGRAPHE");
    const RECT client = test::client_rect(window.handle());
    EXPECT_EQ(client.right, px(5205));
    EXPECT_EQ(client.bottom, px(5475));

    win32::show_program_identity(window.handle(), GetModuleHandleW(nullptr));
    for (const WPARAM kind : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}}) {
        EXPECT_NE(SendMessageW(window.handle(), WM_GETICON, kind, 0), 0)
            << "the icon is the ICON resource the program is linked with, size " << kind;
    }
    HMENU menu = GetSystemMenu(window.handle(), FALSE);
    const int last = GetMenuItemCount(menu) - 1;
    EXPECT_EQ(GetMenuItemID(menu, last), win32::about_command);
    std::array<wchar_t, 64> text{};
    GetMenuStringW(menu, static_cast<UINT>(last), text.data(), static_cast<int>(text.size()),
                   MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text.data()), to_utf16("À propos de la console…"));
}

TEST_F(Form1WindowTest, EveryControlSitsWhereTheTablePutsItWithItsCaptionFontAndTabOrder) {
    std::vector<HWND> tab_stops;
    for (std::size_t i = 0; i < layout::controls.size(); ++i) {
        const layout::control_spec& item = layout::controls[i];
        HWND control = GetDlgItem(window.handle(), win32::form1_window::control_id(i));
        ASSERT_NE(control, nullptr) << item.name;
        EXPECT_EQ(control, window.control(item.name));
        const RECT place = test::window_rect(control, window.handle());
        EXPECT_EQ(place.left, px(item.left)) << item.name;
        EXPECT_EQ(place.top, px(item.top)) << item.name;
        EXPECT_EQ(place.right - place.left, px(item.width)) << item.name;
        EXPECT_EQ(place.bottom - place.top, px(item.height)) << item.name;
        EXPECT_EQ(test::window_text(control), to_utf16(item.caption)) << item.name;
        const wchar_t* expected_class = item.kind == layout::control_kind::button  ? L"Button"
                                        : item.kind == layout::control_kind::label ? L"Static"
                                                                                   : L"Edit";
        EXPECT_EQ(_wcsicmp(test::window_class(control).c_str(), expected_class), 0) << item.name;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), window.font())
            << item.name;
        if (item.kind != layout::control_kind::label) {
            tab_stops.push_back(control);
        }
    }
    EXPECT_EQ(test::window_text(window.control("Label2")), L"Autre consigne (35 \u00E0 231):");

    std::vector<HWND> visited{GetNextDlgTabItem(window.handle(), nullptr, FALSE)};
    while (visited.size() < tab_stops.size()) {
        visited.push_back(GetNextDlgTabItem(window.handle(), visited.back(), FALSE));
    }
    EXPECT_EQ(visited, tab_stops) << "Tab moves through the controls in table order";

    // The Tab key itself, as the program's message loop hands it to the dialog manager.
    SetFocus(window.control("Command8"));
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(window.handle(), &tab));
    EXPECT_EQ(GetFocus(), window.control("Command9")) << "VISEE..H alpha +0.5 A, then INIT";
}

TEST_F(Form1WindowTest, TheEntryTakesThreeCharactersFeedsConsigneAndHasItsToolTip) {
    type(L"1789");
    EXPECT_EQ(test::window_text(window.control("Text1")), L"178");
    EXPECT_EQ(model.consigne(), "178");
    type(L"\b");
    EXPECT_EQ(model.consigne(), "17");
    type(L"\b\b\u00E0");
    EXPECT_EQ(model.consigne(), "\xC3\xA0") << "UTF-16 from the edit, UTF-8 in the model";

    std::array<wchar_t, 128> tip{};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window.handle();
    tool.uId = reinterpret_cast<UINT_PTR>(window.control("Text1"));
    tool.lpszText = tip.data();
    SendMessageW(window.tooltip(), TTM_GETTEXTW, tip.size(), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(tip.data(), L"Entrez la consigne, puis cliquez sur GO");
}

TEST_F(Form1WindowTest, DuringAWaitTheWindowRepaintsShowsTheBusyCursorAndClosesOnlyAtTheEnd) {
    standin.set_travel_scale(0.1);  // the blades cross 93 codes in about 190 ms
    HWND handle = window.handle();
    int waits = 0;
    int ink = 0;
    bool busy_cursor = false;
    bool alive_throughout = true;
    {
        test::keep_alive_probe looking(device, [&] {
            if (waits++ == 0) {
                PostMessageW(handle, WM_CLOSE, 0, 0);
            }
            alive_throughout = alive_throughout && IsWindow(handle);
            busy_cursor = busy_cursor || GetCursor() == LoadCursorW(nullptr, IDC_WAIT);
            ink = std::max(ink, ink_on_line(0));
        });
        click("Command4");
    }
    ASSERT_GT(waits, 2);
    EXPECT_TRUE(alive_throughout);
    EXPECT_GT(ink, 0) << "\"consigne 35\" painted while the blades travel";
    EXPECT_TRUE(busy_cursor);
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the cursor is given back";
    EXPECT_EQ(model.messages().back(), "lames en position  -1 Ang.");
    EXPECT_FALSE(IsWindow(handle)) << "closed once the sequence ended";
}

TEST_F(Form1WindowTest, AClickDuringASequenceIsHandledAfterIt) {
    standin.set_travel_scale(0.1);  // mirror travel, 150 ms
    const std::pair<const char*, std::vector<MSG>> clicks[] = {
        // Held in the queue by the wait, as the mouse's own input is.
        {"the mouse",
         {{nullptr, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4), 0, {}},
          {nullptr, WM_LBUTTONUP, 0, MAKELPARAM(4, 4), 0, {}}}},
        // Dispatched during the wait: the press reaches the model, which defers it.
        {"a posted BM_CLICK", {{nullptr, BM_CLICK, 0, 0, 0, {}}}},
    };
    for (const auto& [how, messages] : clicks) {
        click("Command2");  // the mirror to the CCD stop, so that VISEE waits
        ports.writes.clear();
        {  // posted to INIT from inside the first keep-alive of VISEE's wait
            bool posted = false;
            test::keep_alive_probe poster(device, [&, &messages = messages] {
                if (!std::exchange(posted, true)) {
                    for (const MSG& message : messages) {
                        PostMessageW(window.control("Command9"), message.message, message.wParam,
                                     message.lParam);
                    }
                }
            });
            click("Command1");
        }
        test::pump_messages();
        EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0, 0)) << how << ": INIT after VISEE";
    }
}

TEST_F(Form1WindowTest, AFullLogScrollsSoThatTheNewestLineIsTheLastShown) {
    const RECT client = test::client_rect(window.handle());
    const int shown = client.bottom / window.line_height();
    for (int i = 0; i < shown; ++i) {
        device.log_line("WWWW");
    }
    UpdateWindow(window.handle());
    EXPECT_GT(ink_on_line(shown - 1), 0) << "the window holds " << shown << " lines";
    for (int i = 0; i < shown; ++i) {
        device.log_line("");
    }
    UpdateWindow(window.handle());
    EXPECT_EQ(test::ink_pixels(window.handle(), {0, 0, 16, client.bottom}), 0)
        << "only the empty newest lines";
    device.log_line("WWWW");
    UpdateWindow(window.handle());
    EXPECT_GT(ink_on_line(shown - 1), 0) << "the newest line, last";
    EXPECT_EQ(ink_on_line(shown - 2), 0);
    EXPECT_EQ(
        test::ink_pixels(window.handle(), {0, shown * window.line_height(), 16, client.bottom}), 0)
        << "none below";
}

TEST_F(Form1WindowTest, AFailingStatusIsShownInAMessageBoxAndTheConsoleGoesOn) {
    standin.fail_call(1, E_ACCESSDENIED);
    test::message_box_answerer answerer;
    click("Command9");
    ASSERT_EQ(answerer.seen().count, 1);
    EXPECT_EQ(answerer.seen().title, L"COMMANDES TTL HELIOGRAPHE");
    EXPECT_THAT(answerer.seen().text, HasSubstr(L"0x80070005"));
    EXPECT_THAT(answerer.seen().text, HasSubstr(L"WritePort"));
    EXPECT_THAT(answerer.seen().text, HasSubstr(to_utf16(win32::system_text(E_ACCESSDENIED))));
    EXPECT_THAT(answerer.seen().text, HasSubstr(L"abandonn\u00E9e"));
    EXPECT_THAT(model.messages(), IsEmpty()) << "nothing is logged for an error";

    click("Command9");
    EXPECT_THAT(ports.writes, ElementsAre(0));
    EXPECT_EQ(answerer.seen().count, 1);
    EXPECT_TRUE(IsWindow(window.handle()));
}

TEST(UserLocale, TheDecimalSeparatorIsTheOneOfTheUsersRegionalSettings) {
    wchar_t saved[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8);
    // A French comma, and an unusual middle dot, in UTF-8.
    for (const auto& [set, expected] : {std::pair{L",", ","}, std::pair{L"\u00B7", "\xC2\xB7"}}) {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, set);
        EXPECT_EQ(win32::user_decimal_separator(), expected);
    }
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
}

}  // namespace
}  // namespace helio
