// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/virtual_instrument.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "console/fault_statuses.h"
#include "console/form1_model.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using namespace ::testing;

/// The console on the simulated heliograph, with the panel's view of the instrument.
class VirtualInstrumentTest : public ::testing::Test, protected test::simulated_console {
  protected:
    VirtualInstrumentTest() : simulated_console(test::make_sim().step(50us)) {}

    void send(std::initializer_list<std::int32_t> values) {
        for (const std::int32_t value : values) {
            controller.write_outputs(value);
        }
    }

    virtual_instrument instrument{factory};
};

TEST_F(VirtualInstrumentTest, TheStateAtStart) {
    const instrument_snapshot state = instrument.snapshot();
    EXPECT_EQ(mirror_text(state), "en position CCD");
    EXPECT_EQ(blades_text(state, ","), "code 128 (0 Å, centre de la raie)");
    EXPECT_EQ(pusher_text(state), "jamais actionné");
    EXPECT_TRUE(state.sighting_button);
    EXPECT_FALSE(state.armed_fault);
    EXPECT_EQ(factory.accesses(), 0u);
}

TEST_F(VirtualInstrumentTest, TheMechanismsAreSeenTravelling) {
    time.set_step(0us);
    send({8, 10, 8, 0});
    EXPECT_EQ(mirror_text(instrument.snapshot()), "en mouvement vers la position de visée");
    time.advance(1500ms);
    EXPECT_EQ(mirror_text(instrument.snapshot()), "en position de visée");

    send({16, 19, 16, 176, 177, 176, 0});  // setpoint 178: 50 codes at 20 ms
    time.advance(500ms);
    EXPECT_EQ(blades_text(instrument.snapshot(), ","),
              "en mouvement : code 153 → code 178 (+0,5 Å)");
    time.advance(500ms);
    EXPECT_EQ(blades_text(instrument.snapshot(), "."), "code 178 (+0.5 Å)");
    send({8, 11, 8, 0, 1, 0});  // low bits 1, high bits 0: code 1, which is no setpoint
    time.advance(10s);
    EXPECT_EQ(blades_text(instrument.snapshot(), ","), "code 1 (hors de la table)");
    EXPECT_EQ(factory.accesses(), 0u) << "looking at the instrument is no port access";
}

TEST_F(VirtualInstrumentTest, TheSightingButtonDecidesWhatThePusherDoes) {
    instrument.set_sighting_button(false);
    model.press("Command3");
    EXPECT_THAT(model.messages(), ElementsAre("Bouton de visee NON active"));
    EXPECT_THAT(ports.writes, IsEmpty());

    instrument.set_sighting_button(true);
    model.press("Command3");
    EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0, 32, 34, 32, 0));
    EXPECT_EQ(pusher_text(instrument.snapshot()), "actionné 1 fois");
    EXPECT_TRUE(instrument.violations().empty());
}

TEST_F(VirtualInstrumentTest, AStuckMirrorIsReportedAfterTheLimit) {
    instrument.set_mirror_stuck(true);
    model.press("Command1");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_THAT(host.errors[0], HasSubstr("« miroir (position de visée) »"));
    EXPECT_THAT(host.errors[0], HasSubstr("60 s"));
    EXPECT_EQ(mirror_text(instrument.snapshot()),
              "BLOQUÉ — en mouvement vers la position de visée");

    instrument.set_mirror_stuck(false);
    model.press("Command1");
    EXPECT_EQ(model.messages().back(), "Visee positionnee");
    EXPECT_EQ(host.errors.size(), 1u);
}

TEST_F(VirtualInstrumentTest, TheArmedFaultFailsTheNextAccessOnlyWithTheChosenStatus) {
    const status_code denied = static_cast<status_code>(0x80070005);
    instrument.fail_next_access(denied);
    EXPECT_EQ(instrument.snapshot().armed_fault, denied);
    model.press("Command9");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_THAT(host.errors[0], HasSubstr("0x80070005"));
    EXPECT_THAT(host.errors[0], HasSubstr("WritePort"));
    EXPECT_FALSE(instrument.snapshot().armed_fault) << "spent on the access it failed";

    model.press("Command1");  // its first access is a read
    EXPECT_EQ(host.errors.size(), 1u);
    instrument.fail_next_access(denied);
    instrument.cancel_fault();
    model.press("Command9");
    EXPECT_EQ(host.errors.size(), 1u);
    EXPECT_FALSE(instrument.snapshot().armed_fault);
}

TEST_F(VirtualInstrumentTest, AFailedFirstReadStopsTheSequenceBeforeItSendsAnything) {
    instrument.fail_next_access(static_cast<status_code>(0x8001010E));
    model.press("Command1");  // VISEE starts by reading the mirror's stops
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_THAT(host.errors[0], HasSubstr("ReadPort"));
    EXPECT_THAT(host.errors[0], HasSubstr("0x8001010E"));
    EXPECT_THAT(ports.writes, IsEmpty());
    EXPECT_THAT(model.messages(), IsEmpty());
}

TEST_F(VirtualInstrumentTest, TheTravelSpeedSetsHowLongAMoveTakes) {
    instrument.set_travel_scale(0);
    model.press("Command1");
    EXPECT_EQ(ports.reads, 2) << "an instant move arrives by the first read of the wait";
    EXPECT_EQ(instrument.snapshot().travel_scale, 0);
    for (const travel_choice& choice : travel_choices) {
        instrument.set_travel_scale(choice.scale);
        EXPECT_EQ(instrument.snapshot().travel_scale, choice.scale) << choice.label;
    }
}

TEST_F(VirtualInstrumentTest, ABadPulseShowsAsAViolationWithItsTime) {
    time.set_step(0us);
    time.advance(2500ms);
    send({10});  // strobe B raised in the same write as the code
    ASSERT_EQ(instrument.violations().size(), 1u);
    EXPECT_EQ(instrument.violations_seen(), 1u);
    const sim::violation& found = instrument.violations().front();
    EXPECT_EQ(found.kind, sim::violation_kind::strobe_with_new_data);
    EXPECT_EQ(
        violation_line(found, clock::time_point(500ms), ","),
        "    2,000  strobe levé en même temps que les données changent (0 puis 10) (octet 10)");
}

TEST_F(VirtualInstrumentTest, OnlyTheNewestViolationsAreKept) {
    for (std::size_t i = 0; i < virtual_instrument::kept_violations + 20; ++i) {
        send({10, 8, 0});
    }
    EXPECT_EQ(instrument.violations().size(), virtual_instrument::kept_violations);
    EXPECT_EQ(instrument.violations_seen(), virtual_instrument::kept_violations + 20);
}

TEST(FaultStatuses, EveryListedStatusReadsBackFromItsLine) {
    for (const named_status& status : fault_statuses) {
        EXPECT_TRUE(failed(status.code)) << status.name;
        EXPECT_EQ(parse_failure_status(status_choice_text(status)), status.code) << status.name;
        EXPECT_EQ(parse_failure_status(status.name), status.code) << status.name;
    }
    EXPECT_EQ(status_choice_text(fault_statuses[1]), "0x80070005 E_ACCESSDENIED (accès refusé)");
}

TEST(FaultStatuses, TypedHexadecimalAndNames) {
    EXPECT_EQ(parse_failure_status("0x8000FFFF"), static_cast<status_code>(0x8000FFFF));
    EXPECT_EQ(parse_failure_status("  8007000e "), static_cast<status_code>(0x8007000E));
    EXPECT_EQ(parse_failure_status("e_fail"), static_cast<status_code>(0x80004005));
    EXPECT_FALSE(parse_failure_status("0x00000001")) << "a success would not fail the access";
    EXPECT_FALSE(parse_failure_status("0x7FFFFFFF"));
    EXPECT_FALSE(parse_failure_status("0x180004005")) << "more than 32 bits";
    EXPECT_FALSE(parse_failure_status("0x"));
    EXPECT_FALSE(parse_failure_status(""));
    EXPECT_FALSE(parse_failure_status("8000GFFF"));
    EXPECT_FALSE(parse_failure_status("-80004005"));
}

}  // namespace
}  // namespace helio
