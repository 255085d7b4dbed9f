// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "console/panel_texts.h"
#include "console/win32/control_text.h"
#include "console/win32/form1_window.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"
#include "support/panel_probe.h"
#include "support/recorders.h"
#include "support/window_probe.h"
#include "ttl/clock.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

/// Form1 and the panel over the simulated heliograph, as `--simulate` runs them, on a
/// clock that moves 50 µs at every reading: a mirror's 1.5 s travel takes a few thousand
/// reads, a minute's wait for a stuck mechanism a few seconds.
class PanelOnSimulatorTest : public ::testing::Test {
  protected:
    PanelOnSimulatorTest() {
        lines.add_observer(ports);
        window.set_error_presenter([this](HWND, const std::wstring& message) {
            errors.push_back(win32::to_utf8(message));
        });
        window.create(GetModuleHandleW(nullptr), /*ends_program=*/false);
        ShowWindow(window.handle(), SW_SHOWNORMAL);
        UpdateWindow(window.handle());
        panel.create(GetModuleHandleW(nullptr));
        win32::show_beside(window.handle(), panel.handle());
        test::pump_messages();
    }

    /// A click on one of Form1's buttons, then the panel's next look at the models.
    void click(std::string_view name) {
        test::click(window.control(name));
        panel.refresh();
    }

    HWND control(const char* name) const {
        HWND found = panel.control(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click_panel(const char* name) { test::click(control(name)); }
    std::string label(const char* name) const { return win32::window_text(control(name)); }
    std::vector<std::string> transcript() const { return test::utf8_lines(control("transcript")); }

    manual_clock time{50us};
    sim::heliograph_controller controller{time};
    sim::simulated_device device{controller};
    ttl_lines lines{device};
    form1_model model{lines, time, ","};
    line_monitor monitor{model};
    virtual_instrument instrument{device};
    win32::form1_window window{model};
    win32::panel_window panel{model, monitor, &instrument, panel_titles::simulator};
    test::port_recorder ports{/*with_reads=*/true};
    std::vector<std::string> errors;
};

TEST_F(PanelOnSimulatorTest, EveryByteEachButtonSendsIsInTheTranscriptAndOnTheLamps) {
    controller.set_travel_scale(0.1);  // the blades' long moves in fewer keep-alives
    SetWindowTextW(window.control("Text1"), L"200");
    for (const char* button : {"Command1", "Command3", "Command2", "Command4", "Command5",
                               "Command6", "Command7", "Command8", "Command9", "Command10"}) {
        ports.writes.clear();
        const std::size_t before = test::written_values(transcript()).size();
        click(button);
        const std::vector<std::int32_t> now = test::written_values(transcript());
        ASSERT_GE(now.size(), before) << button;
        EXPECT_EQ(std::vector<std::int32_t>(now.begin() + static_cast<long>(before), now.end()),
                  ports.writes)
            << button;
        EXPECT_EQ(panel.output_lamps().value(), ports.writes.back()) << button;
        EXPECT_EQ(label("output_value"), std::to_string(ports.writes.back())) << button;
    }
    EXPECT_THAT(errors, IsEmpty());
    EXPECT_EQ(panel.input_lamps().value(), 13) << "button, CCD and blades after GO";
    EXPECT_EQ(label("counts"), "Accès au port : " + std::to_string(monitor.writes()) +
                                   " écriture(s), " + std::to_string(monitor.reads()) +
                                   " lecture(s)");
    EXPECT_EQ(label("pusher_state"), "actionné 1 fois");
    EXPECT_EQ(label("blades_state"), "code 200 (+0,7 Å)");
}

TEST_F(PanelOnSimulatorTest, ReadsShowAsRunsWithTheirCounts) {
    click("Command1");  // 1.5 s of mirror travel
    EXPECT_EQ(test::read_runs(transcript()), test::runs_of(ports.events));
    EXPECT_EQ(test::read_runs(transcript()).size(), 3u) << "13, then 9 ×N, then 11";
    EXPECT_THAT(label("wait"), HasSubstr("« miroir (position de visée) » en position après 1,5"));
    EXPECT_EQ(label("input_value"), "11");
}

TEST_F(PanelOnSimulatorTest, TheLampsAreLitByTheBitsOfTheByte) {
    const auto colour_of = [](const win32::lamp_row& row, int bit) {
        const RECT lamp = row.lamp_rect(bit);
        return test::pixel(row.handle(),
                           {(lamp.left + lamp.right) / 2, (lamp.top + lamp.bottom) / 2});
    };
    EXPECT_EQ(colour_of(panel.input_lamps(), 0), RGB(200, 200, 200)) << "nothing read yet";
    click("Command1");
    UpdateWindow(panel.input_lamps().handle());
    for (const int bit : {0, 1, 3}) {
        const COLORREF lit = colour_of(panel.input_lamps(), bit);
        EXPECT_GT(GetGValue(lit), 2 * GetRValue(lit)) << "bit " << bit << " is lit green";
    }
    for (const int bit : {2, 4, 5, 6, 7}) {
        EXPECT_LT(GetGValue(colour_of(panel.input_lamps(), bit)), 100) << "bit " << bit;
    }
    EXPECT_LT(GetRValue(colour_of(panel.output_lamps(), 1)), 100) << "the outputs end at 0";
}

TEST_F(PanelOnSimulatorTest, ThePanelMakesNoPortAccessOfItsOwn) {
    click("Command1");
    const std::uint64_t accesses = device.accesses();
    for (int i = 0; i < 4; ++i) {
        Sleep(win32::panel_window::refresh_interval_ms);
        test::pump_messages();  // the panel's timer
    }
    click_panel("mirror_stuck");
    click_panel("mirror_stuck");
    click_panel("sighting_button");
    click_panel("sighting_button");
    test::choose(control("travel_speed"), 0);
    click_panel("arm_fault");
    click_panel("cancel_fault");
    ShowWindow(panel.handle(), SW_HIDE);
    win32::bring_forward(panel.handle());
    test::pump_messages();
    EXPECT_EQ(device.accesses(), accesses);
    EXPECT_EQ(monitor.writes() + monitor.reads(), device.accesses())
        << "every access the device served came from a sequence";
}

TEST_F(PanelOnSimulatorTest, TheSightingButtonSwitchDecidesWhatPoussoirDoes) {
    click_panel("sighting_button");
    EXPECT_FALSE(controller.sighting_button());
    click("Command3");
    EXPECT_THAT(model.lines(), ElementsAre("Bouton de visee NON active"));
    EXPECT_THAT(ports.writes, IsEmpty());
    EXPECT_EQ(label("input_value"), "12") << "CCD and blades, no button";

    click_panel("sighting_button");
    click("Command3");
    EXPECT_EQ(model.lines().back(), "Visee positionnee");
    EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0, 32, 34, 32, 0));
}

TEST_F(PanelOnSimulatorTest, AStuckMirrorEndsInTheTimeOutMessage) {
    click_panel("mirror_stuck");
    EXPECT_TRUE(controller.mirror().stuck());
    click("Command1");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("« miroir (position de visée) »"));
    EXPECT_THAT(errors[0], HasSubstr("après 60 s"));
    EXPECT_THAT(label("mirror_state"), StartsWith("BLOQUÉ"));
    const std::vector<std::string> text = transcript();
    ASSERT_GE(text.size(), 2u);
    EXPECT_THAT(text[text.size() - 2], HasSubstr("pas de réponse après 60,"));
    EXPECT_THAT(text.back(), HasSubstr("E  Le mécanisme « miroir"));
}

TEST_F(PanelOnSimulatorTest, StuckBladesEndInTheTimeOutMessageAndMoveOnceFreed) {
    click_panel("blades_stuck");
    click("Command8");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("« lames »"));
    EXPECT_THAT(label("blades_state"), StartsWith("BLOQUÉES"));
    click_panel("blades_stuck");
    click("Command8");
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(model.lines().back(), "lames en position  +0,5 Ang.");
}

TEST_F(PanelOnSimulatorTest, AnArmedFaultFailsTheNextAccessWithThePickedStatus) {
    test::choose(control("fault_status"), 1);  // E_ACCESSDENIED
    click_panel("arm_fault");
    EXPECT_THAT(label("armed_fault"), HasSubstr("0x80070005"));
    click("Command9");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("0x80070005"));
    EXPECT_THAT(errors[0], HasSubstr("WritePort"));
    EXPECT_THAT(label("armed_fault"), Not(HasSubstr("0x80070005"))) << "spent";

    SetWindowTextW(control("fault_status"), L"0x8000ffff");
    click_panel("arm_fault");
    click("Command1");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_THAT(errors[1], HasSubstr("0x8000FFFF"));
    EXPECT_THAT(errors[1], HasSubstr("ReadPort"));
    EXPECT_THAT(transcript().back(), HasSubstr("E  Le composant"));
}

TEST_F(PanelOnSimulatorTest, AFaultCanBeDisarmedAndATypoIsRefused) {
    click_panel("arm_fault");
    EXPECT_TRUE(device.fault_pending());
    click_panel("cancel_fault");
    SetWindowTextW(control("fault_status"), L"zz");
    click_panel("arm_fault");
    EXPECT_THAT(label("armed_fault"), StartsWith("Code non reconnu"));
    EXPECT_FALSE(device.fault_pending());
    click("Command9");
    EXPECT_THAT(errors, IsEmpty());
}

TEST_F(PanelOnSimulatorTest, TheSpeedSettingScalesTheTravelAndFollowsTheSimulator) {
    test::choose(control("travel_speed"), 0);
    EXPECT_EQ(controller.travel_scale(), 0.0);
    click("Command1");
    EXPECT_EQ(test::read_runs(transcript()).size(), 2u) << "an instant mirror: no run of 9";
    controller.set_travel_scale(3.0);
    panel.refresh();
    EXPECT_EQ(SendMessageW(control("travel_speed"), CB_GETCURSEL, 0, 0), 4);
}

TEST_F(PanelOnSimulatorTest, ABadPulseSentStraightToTheSimulatorShowsAsAViolation) {
    EXPECT_EQ(label("violation_count"), "Aucune violation.");
    controller.write_outputs(10);  // strobe B raised with the code in one write
    controller.write_outputs(0);   // and dropped with it
    panel.refresh();
    const std::vector<std::string> listed = test::utf8_lines(control("violations"));
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_THAT(listed[0], HasSubstr("strobe levé en même temps"));
    EXPECT_THAT(listed[1], HasSubstr("pendant un strobe"));
    EXPECT_THAT(label("violation_count"), StartsWith("2 violation"));
    panel.refresh();
    EXPECT_EQ(test::utf8_lines(control("violations")).size(), 2u) << "each breach listed once";
}

/// Looks at the panel's lamps on the screen from inside a wait.
class lamp_watcher final : public wait_observer {
  public:
    explicit lamp_watcher(const win32::lamp_row& lamps) : lamps_(lamps) {}
    void still_waiting() override {
        const RECT lamp = lamps_.lamp_rect(0);
        const COLORREF colour = test::pixel(
            lamps_.handle(), {(lamp.left + lamp.right) / 2, (lamp.top + lamp.bottom) / 2});
        lit_green = lit_green || GetGValue(colour) > 2 * GetRValue(colour);
        ++waits;
    }
    int waits = 0;
    bool lit_green = false;

  private:
    const win32::lamp_row& lamps_;
};

TEST_F(PanelOnSimulatorTest, ThePanelRepaintsDuringAWait) {
    lamp_watcher watcher(panel.input_lamps());
    model.context().wait_observers.add(watcher);
    click("Command1");
    model.context().wait_observers.remove(watcher);
    ASSERT_GT(watcher.waits, 2);
    EXPECT_TRUE(watcher.lit_green) << "the sighting button's lamp on screen while Form1 is busy";
}

TEST_F(PanelOnSimulatorTest, ItsSwitchesWaitForTheSequenceToEnd) {
    struct : wait_observer {
        void still_waiting() override {
            if (!posted) {
                posted = true;
                PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
                PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            }
            stuck_during_wait = stuck_during_wait || mirror->stuck();
        }
        HWND target;
        const sim::mirror_mechanism* mirror;
        bool posted = false;
        bool stuck_during_wait = false;
    } impatient;
    impatient.target = control("mirror_stuck");
    impatient.mirror = &controller.mirror();
    model.context().wait_observers.add(impatient);
    click("Command1");
    model.context().wait_observers.remove(impatient);
    EXPECT_TRUE(impatient.posted);
    EXPECT_FALSE(impatient.stuck_during_wait);
    EXPECT_THAT(errors, IsEmpty()) << "the mirror arrived: the click did not reach it in time";
    EXPECT_TRUE(controller.mirror().stuck()) << "handled once the sequence ended";
}

TEST_F(PanelOnSimulatorTest, TheSimulationIsTitledAndBanneredAndStandsBesideForm1) {
    EXPECT_EQ(win32::window_text(panel.handle()), panel_titles::simulator);
    EXPECT_THAT(label("simulation_banner"), StartsWith("SIMULATION — aucun instrument"));
    RECT form{};
    RECT beside{};
    GetWindowRect(window.handle(), &form);
    GetWindowRect(panel.handle(), &beside);
    EXPECT_GE(beside.left, form.right) << "on Form1's right, whatever room the screen has";
    EXPECT_LE(beside.left, form.right + 16);
    EXPECT_EQ(beside.top, form.top);
    EXPECT_TRUE(IsWindowVisible(panel.handle()));
    EXPECT_NE(GetActiveWindow(), panel.handle()) << "Form1 keeps the focus";
}

TEST_F(PanelOnSimulatorTest, ClosingThePanelOnlyHidesIt) {
    SendMessageW(panel.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(panel.handle()));
    EXPECT_FALSE(IsWindowVisible(panel.handle()));
    click("Command9");
    EXPECT_TRUE(transcript().empty()) << "a hidden panel does no work";
    win32::bring_forward(panel.handle());
    EXPECT_THAT(transcript(), ElementsAre(HasSubstr("W   0  0000 0000  lignes au repos")))
        << "shown again, it catches up";
}

}  // namespace
}  // namespace helio
