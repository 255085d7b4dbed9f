// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "console/panel_followers.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"
#include "support/error_recorder.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

/// The console on the simulated heliograph, on a clock that moves only when told, with the
/// panel's models: what every view of the panel is built on.
class PanelModelsTest : public ::testing::Test {
  protected:
    PanelModelsTest() { model.set_host(&host); }

    manual_clock time;
    sim::heliograph_controller controller{time};
    sim::simulated_device device{controller};
    ttl_lines lines{device};
    form1_model model{lines, time, ","};
    test::error_recorder host;
    std::unique_ptr<line_monitor> monitor = std::make_unique<line_monitor>(model);
    virtual_instrument instrument{device};
};

TEST_F(PanelModelsTest, TheFollowerHandsOutEachLineOnceThenOnlyWhatIsNew) {
    transcript_follower follower(*monitor);
    EXPECT_TRUE(follower.changes().empty()) << "nothing to show before the first access";
    model.press("Command9");
    transcript_changes first = follower.changes();
    EXPECT_FALSE(first.last_line);
    EXPECT_THAT(first.new_lines, ElementsAre(HasSubstr("W   0  0000 0000  lignes au repos")));
    EXPECT_TRUE(follower.changes().empty()) << "asked again with nothing new";

    lines.write_output(8);
    EXPECT_THAT(follower.changes().new_lines, ElementsAre(HasSubstr("W   8")));
}

TEST_F(PanelModelsTest, AGrowingRunOfReadsRewritesTheLastLineInsteadOfAddingOne) {
    transcript_follower follower(*monitor);
    lines.get_ttl();
    EXPECT_THAT(follower.changes().new_lines, ElementsAre(HasSubstr("R  13")));
    lines.get_ttl();
    lines.get_ttl();
    const transcript_changes grown = follower.changes();
    ASSERT_TRUE(grown.last_line);
    EXPECT_THAT(*grown.last_line, HasSubstr("R  13  0000 1101  bouton + CCD + lames  ×3"));
    EXPECT_THAT(grown.new_lines, IsEmpty());

    lines.get_ttl();
    lines.write_output(0);
    const transcript_changes both = follower.changes();
    ASSERT_TRUE(both.last_line) << "the run grew before the write came";
    EXPECT_THAT(*both.last_line, HasSubstr("×4"));
    EXPECT_THAT(both.new_lines, ElementsAre(HasSubstr("W   0")));

    lines.write_output(0);
    const transcript_changes after_write = follower.changes();
    EXPECT_FALSE(after_write.last_line) << "a write is a line of its own, never rewritten";
    EXPECT_THAT(after_write.new_lines, SizeIs(1));
}

TEST_F(PanelModelsTest, AFollowerLeftBehindGetsOnlyTheEntriesStillKept) {
    monitor = std::make_unique<line_monitor>(model, 4);
    transcript_follower follower(*monitor);
    lines.get_ttl();
    EXPECT_THAT(follower.changes().new_lines, SizeIs(1));
    lines.get_ttl();  // the run shown grows...
    for (int i = 0; i < 6; ++i) {
        lines.write_output(i);  // ...and falls out of the transcript
    }
    const transcript_changes changes = follower.changes();
    EXPECT_FALSE(changes.last_line) << "the line shown is no longer kept: nothing to rewrite";
    EXPECT_THAT(changes.new_lines, ElementsAre(HasSubstr("W   2"), HasSubstr("W   3"),
                                               HasSubstr("W   4"), HasSubstr("W   5")));
}

TEST_F(PanelModelsTest, EachBreachOfTheProtocolIsHandedOutOnce) {
    violation_follower follower(instrument, *monitor);
    EXPECT_THAT(follower.new_lines(), IsEmpty());
    controller.write_outputs(10);  // strobe B raised with the code in one write
    EXPECT_THAT(follower.new_lines(), ElementsAre(HasSubstr("strobe levé en même temps")));
    EXPECT_THAT(follower.new_lines(), IsEmpty());

    for (std::size_t i = 0; i < virtual_instrument::kept_violations + 3; ++i) {
        controller.write_outputs(0);
        controller.write_outputs(10);
    }
    EXPECT_THAT(follower.new_lines(), SizeIs(virtual_instrument::kept_violations))
        << "the newest of a flood, as many as are kept";
}

TEST_F(PanelModelsTest, TheLinesLabelsBeforeDuringAndAfterAWait) {
    EXPECT_EQ(byte_value_text(monitor->last_output()), "—");
    EXPECT_EQ(wait_label_text(*monitor), "Attente d'un mécanisme : aucune");
    EXPECT_EQ(access_counts_text(*monitor), "Accès au port : 0 écriture(s), 0 lecture(s)");

    struct : wait_observer {
        void still_waiting() override {
            if (seen.empty()) {
                seen = wait_label_text(*monitor);
            }
        }
        const line_monitor* monitor;
        std::string seen;
    } during;
    during.monitor = monitor.get();
    model.context().wait_observers.add(during);
    time.set_step(1ms);
    model.press("Command1");
    model.context().wait_observers.remove(during);

    EXPECT_EQ(during.seen,
              "Attente d'un mécanisme : en cours : « miroir (position de visée) » "
              "(bit 1)");
    EXPECT_THAT(wait_label_text(*monitor),
                HasSubstr("« miroir (position de visée) » en position après 1,5"));
    EXPECT_EQ(byte_value_text(monitor->last_input()), "11");
    EXPECT_THAT(access_counts_text(*monitor), HasSubstr("4 écriture(s), "));
}

TEST_F(PanelModelsTest, TheArmedFaultAndTheViolationCountInWords) {
    EXPECT_EQ(armed_fault_text(instrument.snapshot()), "Aucune panne d'accès armée.");
    instrument.fail_next_access(static_cast<status_code>(0x80070005));
    EXPECT_EQ(armed_fault_text(instrument.snapshot()),
              "Armée : le prochain accès échouera avec 0x80070005.");
    model.press("Command9");
    EXPECT_EQ(armed_fault_text(instrument.snapshot()), "Aucune panne d'accès armée.")
        << "spent by the access it failed";
    EXPECT_EQ(violation_count_text(0), "Aucune violation.");
    EXPECT_EQ(violation_count_text(2), "2 violation(s) depuis le démarrage.");
}

TEST(PanelLabels, TheSpeedSettingOfAScale) {
    for (std::size_t i = 0; i < travel_choices.size(); ++i) {
        EXPECT_EQ(travel_choice_index(travel_choices[i].scale), i) << travel_choices[i].label;
    }
    EXPECT_FALSE(travel_choice_index(0.7)) << "a scale set from elsewhere, none of the list";
}

}  // namespace
}  // namespace helio
