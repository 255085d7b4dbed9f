// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "console/panel_texts.h"
#include "console/transcript_text.h"
#include "console/win32/control_text.h"
#include "console/win32/form1_window.h"
#include "console/win32/list_box.h"
#include "support/panel_fixture.h"
#include "support/simulated_console.h"
#include "support/window_probe.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using namespace ::testing;

TEST_F(PanelWindowTest, DrawsTheTranscriptLabelsAndLampsThePresenterGives) {
    EXPECT_EQ(lamp_colour("input_lamps", 0), RGB(200, 200, 200)) << "nothing read yet";
    click("Command1");  // 1.5 s of travel: the run of reads of 9 grows at every keep-alive
    std::vector<std::string> expected;
    for (const transcript_entry& entry : monitor.transcript()) {
        expected.push_back(transcript_line(entry, monitor.origin(), ","));
    }
    EXPECT_EQ(transcript(), expected);
    EXPECT_EQ(label("input_value"), "11");
    EXPECT_EQ(label("mirror_state"), "en position de visée");
    EXPECT_EQ(label("violation_count"), "Aucune violation.");
    UpdateWindow(control("input_lamps"));
    for (int position = 0; position < 8; ++position) {
        const COLORREF colour = lamp_colour("input_lamps", position);
        const bool lit = position == 4 || position >= 6;  // bits 3, 1 and 0 of 11
        EXPECT_EQ(GetGValue(colour) > 2 * GetRValue(colour), lit) << "position " << position;
    }
    EXPECT_EQ(monitor.writes() + monitor.reads(), sim->factory.accesses())
        << "the panel made no access of its own";
}

TEST_F(PanelWindowTest, ForwardsEverySwitchAndDrawsWhereTheyStand) {
    for (const char* name : {"sighting_button", "mirror_stuck", "blades_stuck"}) {
        test::click(control(name));
    }
    test::choose(control("travel_speed"), 0);
    EXPECT_FALSE(sim->controller.sighting_button());
    EXPECT_TRUE(sim->controller.mirror().stuck());
    EXPECT_TRUE(sim->controller.blades().stuck());
    EXPECT_EQ(sim->controller.travel_scale(), 0.0);

    test::type_in(control("fault_status"), L"zz");
    test::click(control("arm_fault"));
    EXPECT_EQ(label("armed_fault"), panel_captions::unknown_status);
    test::choose(control("fault_status"), 1);  // E_ACCESSDENIED
    test::click(control("arm_fault"));
    EXPECT_TRUE(sim->factory.fault_pending());
    EXPECT_THAT(label("armed_fault"), HasSubstr("0x80070005"));
    test::click(control("cancel_fault"));
    EXPECT_FALSE(sim->factory.fault_pending());

    instrument.set_sighting_button(true);
    sim->controller.set_travel_scale(3.0);
    panel.refresh();
    EXPECT_EQ(SendMessageW(control("sighting_button"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control("travel_speed"), CB_GETCURSEL, 0, 0), 4);
}

TEST_F(PanelWindowTest, TheTimingPageShowsEachPressAndGoesBackToTheOneBefore) {
    click("Command9");
    click("Command2");
    show_page(1);
    EXPECT_TRUE(IsWindowVisible(control("timing_chart")));
    EXPECT_FALSE(IsWindowVisible(control("transcript"))) << "the first page hidden";
    EXPECT_THAT(label("timing_press"), StartsWith("Action 2 sur 2 : Command2 : CCD"));
    test::click(control("timing_previous"));
    EXPECT_THAT(label("timing_press"), StartsWith("Action 1 sur 2 : Command9 : INIT"));
}

TEST_F(PanelWindowTest, ListsMakeTheChangesTheyAreGiven) {
    sim->controller.write_outputs(10);  // a breach: strobe B raised with the code
    panel.refresh();
    HWND list = control("violations");
    ASSERT_EQ(test::utf8_lines(list).size(), 1u);
    win32::show_changes(list, {.last_line = "rewritten", .new_lines = {"b", "c"}, .dropped = 2});
    EXPECT_THAT(test::utf8_lines(list), ElementsAre("c"));
}

TEST_F(PanelWindowTest, DuringAWaitTheLampsArePaintedAndItsSwitchesWaitForTheSequenceToEnd) {
    int waits = 0;
    bool lit_green = false;
    bool stuck_during_wait = false;
    HWND target = control("mirror_stuck");
    const test::keep_alive_probe probe(sim->device, [&] {
        if (waits++ == 0) {
            PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        }
        const COLORREF colour = lamp_colour("input_lamps", 7);  // the sighting button
        lit_green = lit_green || GetGValue(colour) > 2 * GetRValue(colour);
        stuck_during_wait = stuck_during_wait || sim->controller.mirror().stuck();
    });
    click("Command1");
    ASSERT_GT(waits, 2);
    EXPECT_TRUE(lit_green) << "on screen while Form1 is busy";
    EXPECT_FALSE(stuck_during_wait);
    EXPECT_THAT(sim->host.errors, IsEmpty()) << "the mirror arrived: the click came too late";
    EXPECT_TRUE(sim->controller.mirror().stuck()) << "handled once the sequence ended";
}

TEST_F(PanelWindowTest, StandsBesideForm1WithinTheWorkAreaAndClosingItOnlyHidesIt) {
    EXPECT_EQ(win32::window_text(panel.handle()), panel_titles::simulator);
    EXPECT_THAT(label("simulation_banner"), StartsWith("SIMULATION — aucun instrument"));
    const RECT form = test::window_rect(window.handle());
    const RECT beside = test::window_rect(panel.handle());
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(beside.left, form.right) << "on Form1's right, where the screen has room";
    EXPECT_EQ(beside.top, form.top);
    EXPECT_LE(beside.right, work.right);
    EXPECT_LE(beside.bottom, work.bottom);
    EXPECT_NE(GetActiveWindow(), panel.handle()) << "Form1 keeps the focus";

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
