// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/line_monitor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "console/transcript_text.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using kind = transcript_entry::kind;

/// The console on the simulated heliograph, watched by a line monitor.
class LineMonitorTest : public ::testing::Test, protected test::simulated_console {
  protected:
    explicit LineMonitorTest(const test::sim_builder& wanted = test::make_sim().step(50us))
        : simulated_console(wanted) {}

    std::vector<std::string> transcript_text() const {
        std::vector<std::string> text;
        for (const transcript_entry& entry : monitor->transcript()) {
            text.push_back(transcript_line(entry, monitor->origin(), ","));
        }
        return text;
    }

    std::vector<std::int32_t> values_of(kind what) const {
        std::vector<std::int32_t> values;
        for (const transcript_entry& entry : monitor->transcript()) {
            if (entry.what == what) {
                values.push_back(entry.value);
            }
        }
        return values;
    }

    std::unique_ptr<line_monitor> monitor = std::make_unique<line_monitor>(device);
};

TEST_F(LineMonitorTest, ARunOfIdenticalReadsIsOneEntryWithItsCount) {
    model.press("Command1");  // 1.5 s of travel: tens of thousands of reads of 9
    EXPECT_THAT(values_of(kind::read), ElementsAre(13, 9, 11));
    std::uint64_t counted = 0;
    for (const transcript_entry& entry : monitor->transcript()) {
        counted += entry.what == kind::read ? entry.count : 0;
    }
    EXPECT_EQ(counted, static_cast<std::uint64_t>(ports.reads));
    EXPECT_EQ(monitor->reads(), counted);
    EXPECT_EQ(monitor->transcript()[7].value, 9);
    EXPECT_GT(monitor->transcript()[7].count, 1000u);
    EXPECT_LT(monitor->transcript().size(), 12u);

    model.press("Command1");  // at the stop already: one read, after the log line
    EXPECT_THAT(values_of(kind::read), ElementsAre(13, 9, 11, 11))
        << "a run ends at the next entry of another kind";
}

TEST_F(LineMonitorTest, AFailedAccessLeavesTheLampsAtTheLastOneThatWorked) {
    factory.schedule_fault(4,
                           {sim::access_fault::kind::fail_call, sim::status_unspecified_failure});
    model.press("Command8");  // the fourth access is the high part's first write
    EXPECT_THAT(values_of(kind::write), ElementsAre(16, 19, 16));
    EXPECT_EQ(monitor->last_output(), 16);
    EXPECT_FALSE(monitor->last_input());
    EXPECT_THAT(
        transcript_text(),
        ElementsAre(HasSubstr("L  consigne 178"), HasSubstr("W  16"), HasSubstr("W  19"),
                    HasSubstr("S   1"), HasSubstr("W  16"),
                    HasSubstr("E  Le composant d'entrées-sorties a signalé une erreur pendant "
                              "WritePort (code 0x80004005) : Erreur non spécifiée (défaillance "
                              "simulée). La commande est abandonnée.")))
        << "the failed write is not among the writes, and its error is on one line";
}

TEST_F(LineMonitorTest, TheTranscriptKeepsTheNewestEntriesOnly) {
    monitor = std::make_unique<line_monitor>(device, 8);
    for (int press = 0; press < 20; ++press) {
        model.press("Command9");
    }
    ASSERT_EQ(monitor->transcript().size(), 8u);
    EXPECT_EQ(monitor->transcript().front().serial, 12u);
    EXPECT_EQ(monitor->transcript().back().serial, 19u);
    EXPECT_EQ(monitor->writes(), 20u);
}

TEST_F(LineMonitorTest, AMonitorGoneHearsNothingMoreAndLeavesTheOthers) {
    monitor.reset();
    model.press("Command1");
    EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0));
    EXPECT_THAT(model.messages(), ElementsAre("Visee positionnee"));
}

/// The same console with instant mechanisms and a clock that moves only when told.
class LineMonitorTextTest : public LineMonitorTest {
  protected:
    LineMonitorTextTest() : LineMonitorTest(test::make_sim().instant()) {}
};

TEST_F(LineMonitorTextTest, ASightingPressLineByLine) {
    time.advance(1234ms);
    model.press("Command1");
    EXPECT_THAT(
        transcript_text(),
        ElementsAre("    1,234  R  13  0000 1101  bouton + CCD + lames",
                    "    1,234  W   8  0000 1000  code 8",
                    "    1,234  W  10  0000 1010  code 8 + strobe B",
                    "    1,234  S   1  largeur du strobe", "    1,234  W   8  0000 1000  code 8",
                    "    1,234  W   0  0000 0000  lignes au repos",
                    "    1,234  A  attente de « miroir (position de visée) » (bit 1)",
                    "    1,234  R  11  0000 1011  bouton + visée + lames",
                    "    1,234  A  « miroir (position de visée) » en position après 0,000 s",
                    "    1,234  L  Visee positionnee"));
}

TEST(TranscriptText, BytesTimesAndDurations) {
    EXPECT_EQ(binary_text(0), "0000 0000");
    EXPECT_EQ(binary_text(129), "1000 0001");
    EXPECT_EQ(output_meaning(3), "code 0 + strobes A et B");
    EXPECT_EQ(output_meaning(19), "code 16 + strobes A et B");
    EXPECT_EQ(output_meaning(177), "code 176 + strobe A");
    EXPECT_EQ(output_meaning(10), "code 8 + strobe B");
    EXPECT_EQ(output_meaning(4), "code 0 + ligne 2");
    EXPECT_EQ(output_meaning(-1), "hors de 0..255");
    EXPECT_EQ(output_meaning(256), "hors de 0..255");
    EXPECT_EQ(input_meaning(0), "aucun état");
    EXPECT_EQ(input_meaning(1 | 64), "bouton + ligne 6");
    EXPECT_EQ(input_meaning(255),
              "bouton + visée + CCD + lames + ligne 4 + ligne 5 + ligne 6 + ligne 7");
    EXPECT_EQ(seconds_text(840ms, ","), "0,840");
    EXPECT_EQ(seconds_text(60s + 5ms, "."), "60.005");
    EXPECT_EQ(seconds_text(-1500us, ","), "-0,001");
    EXPECT_EQ(time_column(12345ms, ","), "   12,345");
    EXPECT_EQ(time_column(123456789ms, ","), "123456,789") << "a long run widens the column";
}

TEST(TranscriptText, AWaitSummedUpWhileItRunsAndOnceItEnded) {
    wait_record wait{.mechanism = "lames", .bit = 3};
    EXPECT_EQ(wait_summary(wait, ","), "en cours : « lames » (bit 3)");
    wait.took = 840ms;
    wait.arrived = true;
    EXPECT_EQ(wait_summary(wait, ","), "« lames » en position après 0,840 s");
    wait.took = 60s + 1ms;
    wait.arrived = false;
    EXPECT_EQ(wait_summary(wait, "."), "« lames » : pas de réponse après 60.001 s");
}

TEST(TranscriptText, ACollapsedReadShowsItsCount) {
    const transcript_entry entry{
        .what = kind::read, .serial = 0, .when = {}, .value = 9, .count = 48211};
    EXPECT_EQ(transcript_line(entry, {}, ","),
              "    0,000  R   9  0000 1001  bouton + lames  ×48211");
}

}  // namespace
}  // namespace helio
