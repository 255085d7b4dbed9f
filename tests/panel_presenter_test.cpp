// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_presenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "console/panel_texts.h"
#include "support/every_button_script.h"
#include "support/simulated_panel.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using namespace ::testing;

namespace colours = panel_colours;

/// A list as a view shows it once it has made the changes handed out.
void make_changes(std::vector<std::string>& shown, const list_changes& changes) {
    if (changes.last_line) {
        ASSERT_FALSE(shown.empty()) << "a last line to rewrite in an empty list";
        shown.back() = *changes.last_line;
    }
    shown.insert(shown.end(), changes.new_lines.begin(), changes.new_lines.end());
    ASSERT_LE(changes.dropped, shown.size());
    shown.erase(shown.begin(), shown.begin() + static_cast<long>(changes.dropped));
}

/// The panel's presenter on the simulated heliograph, and what a view drawing it shows.
class PanelPresenterTest : public ::testing::Test, protected test::simulated_panel {
  protected:
    explicit PanelPresenterTest(std::size_t transcript_capacity = line_monitor::default_capacity)
        : simulated_panel(transcript_capacity) {}

    /// A view's refresh: draws the update, makes the lists' changes.
    const panel_update& draw() {
        shown = presenter.update();
        make_changes(transcript, shown.of<list_changes>("transcript"));
        make_changes(violations, shown.of<list_changes>("violations"));
        return shown;
    }
    /// What the control `name` shows after the next refresh.
    const std::string& text(std::string_view name) { return draw().of<std::string>(name); }
    bool on(std::string_view name) { return draw().of<bool>(name); }
    const std::string& shown_text(std::string_view name) const {
        return shown.of<std::string>(name);
    }
    const lamp_colours& lamps(std::string_view name) const { return shown.of<lamp_colours>(name); }
    void press(std::string_view button) {
        sim->model.press(button);
        draw();
    }

    panel_update shown;
    std::vector<std::string> transcript;
    std::vector<std::string> violations;
};

TEST_F(PanelPresenterTest, EveryByteEachButtonSendsIsInTheTranscriptAndOnTheLamps) {
    sim->controller.set_travel_scale(0.1);
    for (const test::scripted_press& step : test::every_button_script()) {
        sim->model.Text1_Change(step.typed);
        const std::vector<std::string> before = transcript;
        press(step.control);
        EXPECT_EQ(test::written_since(before, transcript), step.writes()) << step.control;
        if (!step.writes().empty()) {
            EXPECT_EQ(shown_text("output_value"), std::to_string(step.writes().back()));
        }
    }
    EXPECT_THAT(sim->host.errors, IsEmpty());
    EXPECT_EQ(shown_text("counts"), "Accès au port : " + std::to_string(monitor.writes()) +
                                        " écriture(s), " + std::to_string(monitor.reads()) +
                                        " lecture(s)");
    EXPECT_EQ(shown_text("pusher_state"), "actionné 2 fois");
    EXPECT_EQ(shown_text("blades_state"), "code 100 (-0,3 Å)");
}

/// The bytes the chart heads its write columns with, in order: "W 10" gives 10.
std::vector<std::int32_t> written_in(const timing_drawing& chart) {
    std::vector<std::int32_t> values;
    for (const chart_shape& shape : chart.shapes) {
        if (shape.shape == chart_shape::form::text && shape.text.starts_with("W ")) {
            values.push_back(std::stoi(shape.text.substr(2)));
        }
    }
    return values;
}

TEST_F(PanelPresenterTest, TheTimingViewShowsWhatEachPressWroteAndGoesBackToEarlierOnes) {
    const timing_presenter& timing = presenter.timing();
    const auto chart = [&] { return timing.update().of<timing_drawing>("timing_chart"); };
    const auto press_text = [&] { return timing.update().of<std::string>("timing_press"); };
    EXPECT_THAT(chart().shapes, IsEmpty()) << "nothing pressed yet";
    sim->controller.set_travel_scale(0.1);
    std::vector<timing_drawing> charts;
    for (const test::scripted_press& step : test::every_button_script()) {
        sim->model.Text1_Change(step.typed);
        const std::vector<std::string> before = transcript;
        press(step.control);
        EXPECT_EQ(written_in(chart()), test::written_since(before, transcript)) << step.control;
        EXPECT_THAT(press_text(), HasSubstr(std::string(step.control) + " : ")) << step.control;
        charts.push_back(chart());
    }
    const std::size_t kept = std::min(charts.size(), press_recorder::presses_kept);
    for (std::size_t back = 1; back <= kept; ++back) {
        presenter.pressed("timing_previous");
        EXPECT_EQ(chart(), charts[charts.size() - 1 - std::min(back, kept - 1)]) << back;
    }
    EXPECT_THAT(press_text(), StartsWith("Action 1 sur " + std::to_string(kept) + " : "));
    presenter.pressed("timing_next");
    EXPECT_EQ(chart(), charts[charts.size() - kept + 1]);
    for (std::size_t ahead = 0; ahead < kept; ++ahead) {
        presenter.pressed("timing_next");
    }
    press("Command2");
    EXPECT_EQ(written_in(chart()), (std::vector<std::int32_t>{16, 18, 16, 0}))
        << "back at the newest, the view follows each new press";
    EXPECT_THAT(press_text(), StartsWith("Action " + std::to_string(charts.size() + 1) + " sur "));
    EXPECT_THAT(press_text(), EndsWith("Command2 : CCD (fenêtre)"));
}

TEST(IntervalText, TwoOrThreeFiguresInTheUnitThatFits) {
    using namespace std::chrono_literals;
    const std::pair<clock::duration, std::string_view> cases[]{
        {800ns, "800 ns"}, {3'400ns, "3 µs"},   {999'999ns, "999 µs"}, {3'460us, "3,4 ms"},
        {20ms, "20 ms"},   {1'503ms, "1,50 s"}, {9'999ms, "9,99 s"},   {60s, "60 s"},
    };
    for (const auto& [interval, text] : cases) {
        EXPECT_EQ(interval_text(interval, ","), text) << interval.count() << " ns";
    }
}

TEST_F(PanelPresenterTest, TheLampsAreLitByTheBitsOfTheLastBytes) {
    EXPECT_EQ(text("output_value"), "—");
    EXPECT_THAT(lamps("input_lamps"), Each(colours::unknown_lamp)) << "nothing read yet";
    press("Command1");                 // reads 11 last: button, sighting, blades; writes 0 last
    EXPECT_THAT(lamps("input_lamps"),  // bit 7 on the left
                ElementsAre(colours::dark_lamp, colours::dark_lamp, colours::dark_lamp,
                            colours::dark_lamp, colours::input_lit, colours::dark_lamp,
                            colours::input_lit, colours::input_lit));
    EXPECT_THAT(lamps("output_lamps"), Each(colours::dark_lamp));
    sim->port.write_output(0x81);
    draw();
    EXPECT_EQ(lamps("output_lamps").front(), colours::output_lit) << "bit 7";
    EXPECT_EQ(lamps("output_lamps").back(), colours::output_lit) << "bit 0";
    EXPECT_EQ(lamps("output_lamps")[1], colours::dark_lamp) << "bit 6";
}

TEST_F(PanelPresenterTest, DescribesEveryControlItDrawsOrHearsFrom) {
    const panel_control& panel = presenter.description();
    for (const auto& [name, value] : draw().controls) {
        EXPECT_NE(find_panel_control(panel, name), nullptr) << name;
    }
    for (const char* name : {"sighting_button", "mirror_stuck", "blades_stuck", "travel_speed",
                             "fault_status", "arm_fault", "cancel_fault", "simulation_banner"}) {
        EXPECT_NE(find_panel_control(panel, name), nullptr) << name;
    }
    const panel_control* outputs = find_panel_control(panel, "output_lamps");
    ASSERT_NE(outputs, nullptr);
    EXPECT_THAT(outputs->items, SizeIs(8));
    EXPECT_EQ(outputs->items.front(), "bit 7\ncode 128");
    EXPECT_EQ(outputs->items.back(), "bit 0\nstrobe A");
    EXPECT_EQ(find_panel_control(panel, "input_lamps")->items[4], "bit 3\nlames en position");
    EXPECT_THAT(find_panel_control(panel, "travel_speed")->items, SizeIs(5));
    EXPECT_EQ(find_panel_control(panel, "fault_status")->items[1],
              "0x80070005 E_ACCESSDENIED (accès refusé)");
}

TEST_F(PanelPresenterTest, TheWaitIsShownWhileItRunsAndOnceItEnded) {
    EXPECT_EQ(text("wait"), "Attente d'un mécanisme : aucune");
    std::vector<std::string> during;
    presenter.on_change([&] { during.push_back(text("wait")); });  // a view's refresh
    press("Command1");
    ASSERT_THAT(during, Not(IsEmpty())) << "the view is asked to follow during the wait";
    EXPECT_EQ(during.front(),
              "Attente d'un mécanisme : en cours : « miroir (position de visée) » (bit 1)");
    EXPECT_THAT(shown_text("wait"), HasSubstr("en position après 1,5"));
}

TEST_F(PanelPresenterTest, ThePanelMakesNoPortAccessOfItsOwn) {
    press("Command1");
    const std::uint64_t accesses = sim->factory.accesses();
    for (bool state : {false, true}) {
        for (const char* name : {"sighting_button", "mirror_stuck", "blades_stuck"}) {
            presenter.toggled(name, state);
        }
    }
    presenter.chosen("travel_speed", 0);
    presenter.typed("fault_status", "E_FAIL");
    presenter.pressed("arm_fault");
    presenter.pressed("cancel_fault");
    draw();
    EXPECT_EQ(sim->factory.accesses(), accesses);
    EXPECT_EQ(monitor.writes() + monitor.reads(), sim->factory.accesses())
        << "every access the device served came from a sequence";
}

TEST_F(PanelPresenterTest, TheSightingButtonSwitchDecidesWhatPoussoirDoes) {
    presenter.toggled("sighting_button", false);
    EXPECT_FALSE(on("sighting_button"));
    press("Command3");
    EXPECT_THAT(sim->model.messages(), ElementsAre("Bouton de visee NON active"));
    EXPECT_THAT(sim->ports.writes, IsEmpty());
    EXPECT_EQ(shown_text("input_value"), "12") << "CCD and blades, no button";

    presenter.toggled("sighting_button", true);
    press("Command3");
    EXPECT_EQ(sim->model.messages().back(), "Visee positionnee");
    EXPECT_THAT(sim->ports.writes, ElementsAre(8, 10, 8, 0, 32, 34, 32, 0));
}

TEST_F(PanelPresenterTest, StuckMechanismsEndInTheTimeOutMessageAndMoveOnceFreed) {
    presenter.toggled("mirror_stuck", true);
    EXPECT_TRUE(on("mirror_stuck"));
    press("Command1");
    ASSERT_THAT(sim->host.errors, SizeIs(1));
    EXPECT_THAT(sim->host.errors[0], HasSubstr("« miroir (position de visée) »"));
    EXPECT_EQ(shown_text("mirror_state"), "BLOQUÉ — en mouvement vers la position de visée");
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_THAT(transcript[transcript.size() - 2], HasSubstr("pas de réponse après 60,"));
    EXPECT_THAT(transcript.back(), HasSubstr("E  Le mécanisme « miroir"));

    presenter.toggled("blades_stuck", true);
    press("Command8");
    ASSERT_THAT(sim->host.errors, SizeIs(2));
    EXPECT_THAT(sim->host.errors[1], HasSubstr("« lames »"));
    EXPECT_THAT(shown_text("blades_state"), StartsWith("BLOQUÉES"));
    presenter.toggled("blades_stuck", false);
    EXPECT_FALSE(on("blades_stuck"));
    press("Command8");
    EXPECT_THAT(sim->host.errors, SizeIs(2));
    EXPECT_EQ(sim->model.messages().back(), "lames en position  +0,5 Ang.");
}

TEST_F(PanelPresenterTest, AnArmedFaultFailsTheNextAccessWithThePickedStatus) {
    EXPECT_EQ(text("armed_fault"), "Aucune panne d'accès armée.");
    presenter.pressed("arm_fault");  // the entry's first line: E_FAIL
    EXPECT_EQ(text("armed_fault"), "Armée : le prochain accès échouera avec 0x80004005.");
    presenter.typed("fault_status",
                    find_panel_control(presenter.description(), "fault_status")->items[1]);
    presenter.pressed("arm_fault");  // E_ACCESSDENIED, picked from the list
    EXPECT_EQ(text("armed_fault"), "Armée : le prochain accès échouera avec 0x80070005.");
    press("Command9");
    ASSERT_THAT(sim->host.errors, SizeIs(1));
    EXPECT_THAT(sim->host.errors[0], HasSubstr("0x80070005"));
    EXPECT_THAT(sim->host.errors[0], HasSubstr("WritePort"));
    EXPECT_EQ(shown_text("armed_fault"), "Aucune panne d'accès armée.") << "spent";

    presenter.typed("fault_status", "0x8000ffff");
    presenter.pressed("arm_fault");
    press("Command1");
    ASSERT_THAT(sim->host.errors, SizeIs(2));
    EXPECT_THAT(sim->host.errors[1], HasSubstr("0x8000FFFF"));
    EXPECT_THAT(sim->host.errors[1], HasSubstr("ReadPort"));
    EXPECT_THAT(transcript.back(), HasSubstr("E  Le composant"));
}

TEST_F(PanelPresenterTest, ATypoIsRefusedUntilTheEntryChangesAndAFaultCanBeDisarmed) {
    presenter.pressed("arm_fault");
    presenter.pressed("cancel_fault");
    EXPECT_FALSE(sim->factory.fault_pending());
    presenter.typed("fault_status", "zz");
    presenter.pressed("arm_fault");
    EXPECT_EQ(text("armed_fault"), panel_captions::unknown_status);
    EXPECT_FALSE(sim->factory.fault_pending());
    presenter.pressed("cancel_fault");
    EXPECT_EQ(text("armed_fault"), panel_captions::unknown_status)
        << "still the entry that was refused";
    presenter.typed("fault_status", "zz ");
    EXPECT_EQ(text("armed_fault"), "Aucune panne d'accès armée.") << "a new entry, not judged yet";
    presenter.pressed("arm_fault");
    presenter.typed("fault_status", "e_fail");
    presenter.pressed("arm_fault");
    EXPECT_THAT(text("armed_fault"), HasSubstr("0x80004005")) << "a good entry armed";
    press("Command9");
    EXPECT_THAT(sim->host.errors, SizeIs(1));
}

TEST_F(PanelPresenterTest, TheSpeedSettingScalesTheTravelAndFollowsTheSimulator) {
    EXPECT_EQ(draw().of<std::size_t>("travel_speed"), 3u) << "nominale";
    presenter.chosen("travel_speed", 0);
    EXPECT_EQ(sim->controller.travel_scale(), 0.0);
    press("Command1");
    EXPECT_EQ(sim->ports.reads, 2) << "an instant mirror is there at the first read of the wait";
    sim->controller.set_travel_scale(3.0);
    EXPECT_EQ(draw().of<std::size_t>("travel_speed"), 4u);
    sim->controller.set_travel_scale(0.7);
    EXPECT_THROW(draw().of<std::size_t>("travel_speed"), std::out_of_range)
        << "a scale set from elsewhere is none of the list: nothing to pick";
    presenter.chosen("travel_speed", 5);
    EXPECT_EQ(sim->controller.travel_scale(), 0.7) << "no such line";
}

TEST_F(PanelPresenterTest, EachBreachIsListedOnceWithItsTimeAndTheListKeepsTheNewest) {
    EXPECT_EQ(text("violation_count"), "Aucune violation.");
    sim->time.advance(2500ms);
    sim->controller.write_outputs(10);  // strobe B raised with the code in one write
    sim->controller.write_outputs(0);   // and dropped with it
    EXPECT_EQ(text("violation_count"), "2 violation(s) depuis le démarrage.");
    ASSERT_THAT(violations, SizeIs(2));
    EXPECT_THAT(violations[0], StartsWith("    2,50"));
    EXPECT_THAT(violations[0], HasSubstr("strobe levé en même temps"));
    EXPECT_THAT(violations[1], HasSubstr("pendant un strobe"));
    draw();
    EXPECT_THAT(violations, SizeIs(2)) << "each breach listed once";

    // A flood of them: the list keeps the newest.
    for (std::size_t i = 0; i < sim::violation_log::kept; ++i) {
        sim->controller.write_outputs(0);
        sim->controller.write_outputs(10);
        if (i % 100 == 0) {
            draw();  // a view that follows along
        }
    }
    draw();
    EXPECT_THAT(violations, SizeIs(sim::violation_log::kept));
    EXPECT_THAT(violations.back(), HasSubstr("strobe levé en même temps"));
}

TEST_F(PanelPresenterTest, StatusLinesAreShownUnderTheCountsUntilTakenAway) {
    EXPECT_EQ(text("status_lines"), "");
    monitor.set_status_line("a", "première");
    monitor.set_status_line("b", "seconde");
    EXPECT_TRUE(draw().relayout);
    EXPECT_FALSE(draw().relayout) << "nothing changed";
    monitor.set_status_line("a", "première, changée");
    EXPECT_EQ(text("status_lines"), "première, changée\nseconde");
    EXPECT_TRUE(shown.relayout) << "a longer line may wrap to one more";
    monitor.set_status_line("a", "");
    EXPECT_EQ(text("status_lines"), "seconde");
}

/// The same with a transcript of four entries, so that its list soon fills.
class SmallTranscriptTest : public PanelPresenterTest {
  protected:
    SmallTranscriptTest() : PanelPresenterTest(4) {}
};

TEST_F(SmallTranscriptTest, TheTranscriptKeepsNoMoreLinesThanTheMonitor) {
    EXPECT_TRUE(presenter.update().of<list_changes>("transcript").empty())
        << "nothing before the first access";
    sim->port.get_ttl();
    draw();
    sim->port.get_ttl();
    sim->port.get_ttl();
    const list_changes& grown = draw().of<list_changes>("transcript");
    EXPECT_EQ(grown.last_line.value_or(""), "    0,000  R  13  0000 1101  bouton + CCD + lames  ×3")
        << "a grown run of reads rewrites its line";
    EXPECT_THAT(grown.new_lines, IsEmpty());
    for (int i = 0; i < 6; ++i) {
        sim->port.write_output(i);
        if (i == 1) {
            draw();
        }
    }
    draw();
    EXPECT_THAT(transcript, ElementsAre(HasSubstr("W   2"), HasSubstr("W   3"), HasSubstr("W   4"),
                                        HasSubstr("W   5")));
    EXPECT_TRUE(presenter.update().of<list_changes>("transcript").empty())
        << "asked again with nothing new";
}

TEST(PanelOnTheInstrument, IsTheLineMonitorAlone) {
    const auto sim = test::make_sim().build();
    line_monitor monitor(sim->device);
    panel_presenter presenter(sim->device, monitor, nullptr, panel_titles::real_device);
    EXPECT_EQ(find_panel_control(presenter.description(), "mirror_stuck"), nullptr);
    EXPECT_EQ(find_panel_control(presenter.description(), "simulation_banner"), nullptr);
    presenter.toggled("mirror_stuck", true);
    presenter.pressed("arm_fault");
    sim->model.press("Command9");
    const panel_update update = presenter.update();
    EXPECT_THROW(update.of<std::string>("mirror_state"), std::out_of_range);
    EXPECT_THAT(update.of<list_changes>("transcript").new_lines,
                ElementsAre(HasSubstr("W   0  0000 0000")));
    EXPECT_THAT(sim->host.errors, IsEmpty()) << "no switch reaches a real instrument";
}

}  // namespace
}  // namespace helio
