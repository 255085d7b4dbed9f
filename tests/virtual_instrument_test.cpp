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

TEST_F(VirtualInstrumentTest, TheMechanismsAreSeenAtStartAndTravelling) {
    const instrument_snapshot state = instrument.snapshot();
    EXPECT_EQ(mirror_text(state), "en position CCD");
    EXPECT_EQ(blades_text(state, ","), "code 128 (0 Å, centre de la raie)");
    EXPECT_EQ(pusher_text(state), "jamais actionné");
    EXPECT_TRUE(state.sighting_button);
    EXPECT_FALSE(state.armed_fault);
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

TEST_F(VirtualInstrumentTest, ABadPulseShowsAsAViolationWithItsTimeAndOnlyTheNewestAreKept) {
    time.set_step(0us);
    time.advance(2500ms);
    send({10});  // strobe B raised in the same write as the code
    ASSERT_EQ(instrument.violations().newest().size(), 1u);
    EXPECT_EQ(instrument.violations().seen(), 1u);
    const sim::violation& found = instrument.violations().newest().front();
    EXPECT_EQ(found.kind, sim::violation_kind::strobe_with_new_data);
    EXPECT_EQ(
        violation_line(found, clock::time_point(500ms), ","),
        "    2,000  strobe levé en même temps que les données changent (0 puis 10) (octet 10)");

    send({8, 0});  // that breach's pulse ends: lowered, then the code back to 0
    for (std::size_t i = 0; i < sim::violation_log::kept + 20; ++i) {
        send({10, 8, 0});
    }
    EXPECT_EQ(instrument.violations().newest().size(), sim::violation_log::kept);
    EXPECT_EQ(instrument.violations().seen(), sim::violation_log::kept + 21)
        << "only the newest are kept, all are counted";
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
