// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_presenter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "console/panel_texts.h"
#include "support/every_button_script.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;
using ::testing::StartsWith;

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

/// The values of the transcript's "W" lines, in order.
std::vector<std::int32_t> written(const std::vector<std::string>& transcript) {
    static const std::regex write("^ *\\d+,\\d{3}  W +(\\d+)  .*");
    std::vector<std::int32_t> values;
    for (const std::string& line : transcript) {
        if (std::smatch match; std::regex_match(line, match, write)) {
            values.push_back(std::stoi(match[1].str()));
        }
    }
    return values;
}

/// The panel's presenter over the console on the simulated heliograph, and what a view
/// drawing it shows: the console's clock moves 50 µs at every reading, so that a mirror's
/// 1.5 s travel takes a few thousand reads.
class PanelPresenterTest : public ::testing::Test {
  protected:
    explicit PanelPresenterTest(std::size_t transcript_capacity = line_monitor::default_capacity)
        : monitor(sim->model, transcript_capacity) {}

    /// A view's refresh: draws the update, makes the lists' changes.
    const panel_update& draw() {
        shown = presenter.update();
        make_changes(transcript, shown.transcript);
        make_changes(violations, shown.violations);
        return shown;
    }
    const instrument_state& instrument_shown() {
        draw();
        return shown.instrument.value();
    }
    void press(std::string_view button) {
        sim->model.press(button);
        draw();
    }

    std::unique_ptr<test::simulated_console> sim = test::make_sim().step(50us).build();
    line_monitor monitor;
    virtual_instrument instrument{sim->device};
    panel_presenter presenter{sim->model, monitor, &instrument, panel_titles::simulator};
    panel_update shown;
    std::vector<std::string> transcript;
    std::vector<std::string> violations;
};

TEST_F(PanelPresenterTest, EveryByteEachButtonSendsIsInTheTranscriptAndOnTheLamps) {
    sim->controller.set_travel_scale(0.1);
    for (const test::scripted_press& step : test::every_button_script()) {
        sim->model.Text1_Change(step.typed);
        const std::size_t before = written(transcript).size();
        press(step.control);
        const std::vector<std::int32_t> now = written(transcript);
        ASSERT_GE(now.size(), before) << step.control;
        EXPECT_EQ(std::vector<std::int32_t>(now.begin() + static_cast<long>(before), now.end()),
                  step.writes())
            << step.control;
        if (!step.writes().empty()) {
            EXPECT_EQ(shown.monitor.outputs.value, std::to_string(step.writes().back()));
        }
    }
    EXPECT_THAT(sim->host.errors, IsEmpty());
    EXPECT_EQ(shown.monitor.counts, "Accès au port : " + std::to_string(monitor.writes()) +
                                        " écriture(s), " + std::to_string(monitor.reads()) +
                                        " lecture(s)");
    EXPECT_EQ(shown.instrument->pusher, "actionné 2 fois");
    EXPECT_EQ(shown.instrument->blades, "code 100 (-0,3 Å)");
}

TEST_F(PanelPresenterTest, ReadsShowAsRunsWithTheirCountsOnOneLineEach) {
    press("Command1");  // 1.5 s of mirror travel: thousands of reads of 9
    std::vector<std::string> reads;
    std::ranges::copy_if(transcript, std::back_inserter(reads),
                         [](const std::string& line) { return line.find("  R ") != line.npos; });
    ASSERT_THAT(reads, SizeIs(3)) << "13, then 9 ×N, then 11";
    EXPECT_THAT(reads[0], HasSubstr("R  13  0000 1101  bouton + CCD + lames"));
    EXPECT_THAT(reads[1], HasSubstr("R   9  0000 1001  bouton + lames  ×"));
    EXPECT_THAT(reads[2], HasSubstr("R  11  0000 1011  bouton + visée + lames"));
    EXPECT_EQ(shown.monitor.inputs.value, "11");
    EXPECT_THAT(shown.monitor.wait,
                HasSubstr("« miroir (position de visée) » en position après 1,5"));
}

TEST_F(PanelPresenterTest, TheLampsAreLitByTheBitsOfTheLastBytes) {
    draw();
    EXPECT_THAT(shown.monitor.inputs.colours, Each(colours::unknown_lamp)) << "nothing read yet";
    EXPECT_EQ(shown.monitor.outputs.value, "—");
    press("Command1");  // reads 11 last: button, sighting, blades; writes 0 last
    const auto& inputs = shown.monitor.inputs.colours;  // bit 7 on the left
    EXPECT_THAT(inputs, ElementsAre(colours::dark_lamp, colours::dark_lamp, colours::dark_lamp,
                                    colours::dark_lamp, colours::input_lit, colours::dark_lamp,
                                    colours::input_lit, colours::input_lit));
    EXPECT_THAT(shown.monitor.outputs.colours, Each(colours::dark_lamp));
    sim->lines.write_output(0x81);
    draw();
    EXPECT_EQ(shown.monitor.outputs.colours.front(), colours::output_lit) << "bit 7";
    EXPECT_EQ(shown.monitor.outputs.colours.back(), colours::output_lit) << "bit 0";
    EXPECT_EQ(shown.monitor.outputs.colours[1], colours::dark_lamp) << "bit 6";
}

TEST_F(PanelPresenterTest, TheLampsAreCaptionedWithTheirBitAndMeaning) {
    EXPECT_EQ(panel_presenter::output_lamp_captions().front(), "bit 7\ncode 128");
    EXPECT_EQ(panel_presenter::output_lamp_captions().back(), "bit 0\nstrobe A");
    EXPECT_EQ(panel_presenter::input_lamp_captions()[4], "bit 3\nlames en position");
}

TEST_F(PanelPresenterTest, TheWaitIsShownWhileItRunsAndOnceItEnded) {
    EXPECT_EQ(draw().monitor.wait, "Attente d'un mécanisme : aucune");
    std::vector<std::string> during;
    presenter.on_keep_alive([&] { during.push_back(draw().monitor.wait); });  // a view's refresh
    press("Command1");
    ASSERT_THAT(during, Not(IsEmpty())) << "the view is asked to follow during the wait";
    EXPECT_EQ(during.front(),
              "Attente d'un mécanisme : en cours : « miroir (position de visée) » (bit 1)");
    EXPECT_THAT(shown.monitor.wait, HasSubstr("en position après 1,5"));
}

TEST_F(PanelPresenterTest, ThePanelMakesNoPortAccessOfItsOwn) {
    press("Command1");
    const std::uint64_t accesses = sim->device.accesses();
    for (bool on : {false, true}) {
        presenter.set_sighting_button(on);
        presenter.set_mirror_stuck(!on);
        presenter.set_blades_stuck(!on);
    }
    presenter.choose_travel_speed(0);
    presenter.arm_fault(panel_presenter::fault_choices().front());
    presenter.cancel_fault();
    draw();
    EXPECT_EQ(sim->device.accesses(), accesses);
    EXPECT_EQ(monitor.writes() + monitor.reads(), sim->device.accesses())
        << "every access the device served came from a sequence";
}

TEST_F(PanelPresenterTest, TheSightingButtonSwitchDecidesWhatPoussoirDoes) {
    presenter.set_sighting_button(false);
    EXPECT_FALSE(instrument_shown().sighting_button);
    press("Command3");
    EXPECT_THAT(sim->model.lines(), ElementsAre("Bouton de visee NON active"));
    EXPECT_THAT(sim->ports.writes, IsEmpty());
    EXPECT_EQ(shown.monitor.inputs.value, "12") << "CCD and blades, no button";

    presenter.set_sighting_button(true);
    press("Command3");
    EXPECT_EQ(sim->model.lines().back(), "Visee positionnee");
    EXPECT_THAT(sim->ports.writes, ElementsAre(8, 10, 8, 0, 32, 34, 32, 0));
}

TEST_F(PanelPresenterTest, StuckMechanismsEndInTheTimeOutMessageAndMoveOnceFreed) {
    presenter.set_mirror_stuck(true);
    EXPECT_TRUE(instrument_shown().mirror_stuck);
    press("Command1");
    ASSERT_THAT(sim->host.errors, SizeIs(1));
    EXPECT_THAT(sim->host.errors[0], HasSubstr("« miroir (position de visée) »"));
    EXPECT_THAT(shown.instrument->mirror, StartsWith("BLOQUÉ"));
    ASSERT_GE(transcript.size(), 2u);
    EXPECT_THAT(transcript[transcript.size() - 2], HasSubstr("pas de réponse après 60,"));
    EXPECT_THAT(transcript.back(), HasSubstr("E  Le mécanisme « miroir"));

    presenter.set_blades_stuck(true);
    press("Command8");
    ASSERT_THAT(sim->host.errors, SizeIs(2));
    EXPECT_THAT(sim->host.errors[1], HasSubstr("« lames »"));
    EXPECT_THAT(shown.instrument->blades, StartsWith("BLOQUÉES"));
    presenter.set_blades_stuck(false);
    EXPECT_FALSE(instrument_shown().blades_stuck);
    press("Command8");
    EXPECT_THAT(sim->host.errors, SizeIs(2));
    EXPECT_EQ(sim->model.lines().back(), "lames en position  +0,5 Ang.");
}

TEST_F(PanelPresenterTest, AnArmedFaultFailsTheNextAccessWithThePickedStatus) {
    EXPECT_EQ(instrument_shown().armed_fault, "Aucune panne d'accès armée.");
    presenter.arm_fault(panel_presenter::fault_choices()[1]);  // E_ACCESSDENIED, as listed
    EXPECT_EQ(instrument_shown().armed_fault,
              "Armée : le prochain accès échouera avec 0x80070005.");
    press("Command9");
    ASSERT_THAT(sim->host.errors, SizeIs(1));
    EXPECT_THAT(sim->host.errors[0], HasSubstr("0x80070005"));
    EXPECT_THAT(sim->host.errors[0], HasSubstr("WritePort"));
    EXPECT_EQ(shown.instrument->armed_fault, "Aucune panne d'accès armée.") << "spent";

    presenter.fault_entry_changed();
    presenter.arm_fault("0x8000ffff");  // typed
    press("Command1");
    ASSERT_THAT(sim->host.errors, SizeIs(2));
    EXPECT_THAT(sim->host.errors[1], HasSubstr("0x8000FFFF"));
    EXPECT_THAT(sim->host.errors[1], HasSubstr("ReadPort"));
    EXPECT_THAT(transcript.back(), HasSubstr("E  Le composant"));
}

TEST_F(PanelPresenterTest, ATypoIsRefusedUntilTheEntryChangesAndAFaultCanBeDisarmed) {
    presenter.arm_fault("E_FAIL");
    presenter.cancel_fault();
    EXPECT_FALSE(sim->device.fault_pending());
    presenter.arm_fault("zz");
    EXPECT_EQ(instrument_shown().armed_fault, panel_captions::unknown_status);
    EXPECT_FALSE(sim->device.fault_pending());
    presenter.cancel_fault();
    EXPECT_EQ(instrument_shown().armed_fault, panel_captions::unknown_status)
        << "still the entry that was refused";
    presenter.fault_entry_changed();
    EXPECT_EQ(instrument_shown().armed_fault, "Aucune panne d'accès armée.");
    presenter.arm_fault("zz");
    presenter.arm_fault("E_FAIL");
    EXPECT_THAT(instrument_shown().armed_fault, HasSubstr("0x80004005")) << "a good entry armed";
    press("Command9");
    EXPECT_THAT(sim->host.errors, SizeIs(1));
}

TEST_F(PanelPresenterTest, TheSpeedSettingScalesTheTravelAndFollowsTheSimulator) {
    EXPECT_EQ(instrument_shown().travel_speed, 3u) << "nominale";
    presenter.choose_travel_speed(0);
    EXPECT_EQ(sim->controller.travel_scale(), 0.0);
    press("Command1");
    EXPECT_EQ(sim->ports.reads, 2) << "an instant mirror is there at the first read of the wait";
    sim->controller.set_travel_scale(3.0);
    EXPECT_EQ(instrument_shown().travel_speed, 4u);
    sim->controller.set_travel_scale(0.7);
    EXPECT_FALSE(instrument_shown().travel_speed) << "a scale set from elsewhere, none listed";
    presenter.choose_travel_speed(panel_presenter::travel_speeds().size());
    EXPECT_EQ(sim->controller.travel_scale(), 0.7) << "no such line";
}

TEST_F(PanelPresenterTest, EachBreachOfTheProtocolIsListedOnceWithItsTime) {
    EXPECT_EQ(instrument_shown().violation_count, "Aucune violation.");
    sim->time.advance(2500ms);
    sim->controller.write_outputs(10);  // strobe B raised with the code in one write
    sim->controller.write_outputs(0);   // and dropped with it
    EXPECT_EQ(instrument_shown().violation_count, "2 violation(s) depuis le démarrage.");
    ASSERT_THAT(violations, SizeIs(2));
    EXPECT_THAT(violations[0], StartsWith("    2,50"));
    EXPECT_THAT(violations[0], HasSubstr("strobe levé en même temps"));
    EXPECT_THAT(violations[1], HasSubstr("pendant un strobe"));
    draw();
    EXPECT_THAT(violations, SizeIs(2)) << "each breach listed once";
}

TEST_F(PanelPresenterTest, AFloodOfBreachesKeepsTheNewestInTheList) {
    for (std::size_t i = 0; i < virtual_instrument::kept_violations; ++i) {
        sim->controller.write_outputs(0);
        sim->controller.write_outputs(10);
        if (i % 100 == 0) {
            draw();  // a view that follows along
        }
    }
    draw();
    EXPECT_THAT(violations, SizeIs(virtual_instrument::kept_violations));
    EXPECT_THAT(violations.back(), HasSubstr("strobe levé en même temps"));
}

TEST_F(PanelPresenterTest, StatusLinesAreShownUnderTheCountsUntilTakenAway) {
    EXPECT_THAT(draw().monitor.status_lines, IsEmpty());
    monitor.set_status_line("a", "première");
    monitor.set_status_line("b", "seconde");
    monitor.set_status_line("a", "première, changée");
    EXPECT_THAT(draw().monitor.status_lines, ElementsAre("première, changée", "seconde"));
    monitor.set_status_line("a", "");
    EXPECT_THAT(draw().monitor.status_lines, ElementsAre("seconde"));
}

TEST_F(PanelPresenterTest, TheSimulationIsTitledAsSuch) {
    EXPECT_THAT(std::string(presenter.title()), StartsWith("SIMULATION"));
    EXPECT_TRUE(presenter.shows_instrument());
    EXPECT_THAT(panel_presenter::fault_choices(), SizeIs(5));
    EXPECT_EQ(panel_presenter::travel_speeds()[3], "nominale");
}

/// The same with a transcript of four entries, so that its list soon fills.
class SmallTranscriptTest : public PanelPresenterTest {
  protected:
    SmallTranscriptTest() : PanelPresenterTest(4) {}
};

TEST_F(SmallTranscriptTest, TheTranscriptKeepsNoMoreLinesThanTheMonitor) {
    EXPECT_TRUE(presenter.update().transcript.empty()) << "nothing before the first access";
    sim->lines.get_ttl();
    draw();
    sim->lines.get_ttl();
    sim->lines.get_ttl();
    EXPECT_EQ(draw().transcript.last_line.value_or(""),
              "    0,000  R  13  0000 1101  bouton + CCD + lames  ×3")
        << "a grown run of reads rewrites its line";
    EXPECT_THAT(shown.transcript.new_lines, IsEmpty());
    for (int i = 0; i < 6; ++i) {
        sim->lines.write_output(i);
        if (i == 1) {
            draw();
        }
    }
    draw();
    EXPECT_THAT(transcript, ElementsAre(HasSubstr("W   2"), HasSubstr("W   3"), HasSubstr("W   4"),
                                        HasSubstr("W   5")));
    EXPECT_TRUE(presenter.update().transcript.empty()) << "asked again with nothing new";
}

TEST(PanelOnTheInstrument, IsTheLineMonitorAlone) {
    const auto sim = test::make_sim().build();
    line_monitor monitor(sim->model);
    panel_presenter presenter(sim->model, monitor, nullptr, panel_titles::real_device);
    EXPECT_FALSE(presenter.shows_instrument());
    presenter.set_mirror_stuck(true);
    presenter.arm_fault("E_FAIL");
    sim->model.press("Command9");
    const panel_update update = presenter.update();
    EXPECT_FALSE(update.instrument);
    EXPECT_TRUE(update.violations.empty());
    EXPECT_THAT(update.transcript.new_lines, ElementsAre(HasSubstr("W   0  0000 0000")));
    EXPECT_THAT(sim->host.errors, IsEmpty()) << "no switch reaches a real instrument";
}

}  // namespace
}  // namespace helio
