// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/port_access.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/failed_access.h"
#include "support/recorders.h"
#include "support/scripted_component_factory.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using ::testing::ElementsAre;

constexpr status_code access_denied = static_cast<status_code>(0x80070005);

/// What a raw reading gives: its low byte, or a refusal, the read abandoned either way.
enum class refused { no, overflow, conversion };
struct reading_case {
    port_value raw;
    std::int32_t expected;
    refused why = refused::no;
};

TEST(GetTtl, KeepsTheLowByteOrRefusesTheReadingAndReleasesTheInstance) {
    const std::vector<reading_case> cases{
        {std::int32_t{-1}, 255},
        {std::int32_t{300}, 44},
        {std::int32_t{-32768}, 0},
        {std::int32_t{255}, 255},
        {std::int32_t{-65536}, 0},
        {std::int16_t{-1}, 255},
        {std::int16_t{-32767}, 1},
        {std::int32_t{65535}, 255},
        {2.5, 2},
        {std::string("7"), 7},
        {std::int32_t{2147418111}, 255},
        // Below -65536: refused, not taken for all bits set.
        {std::int32_t{-65537}, 0, refused::overflow},
        {std::int32_t{-65792}, 0, refused::overflow},
        {std::int32_t{-2147483647 - 1}, 0, refused::overflow},
        {std::int32_t{2147418112}, 0, refused::overflow},  // + 65536 leaves the 32-bit range
        {std::int32_t{2147483647}, 0, refused::overflow},
        {1e12, 0, refused::overflow},
        {std::string("abc"), 0, refused::conversion},
        {null_value{}, 0, refused::conversion},
    };
    for (const reading_case& c : cases) {
        test::scripted_component_factory factory;
        factory.script_reads({c.raw});
        port_access port(factory);
        if (c.why == refused::no) {
            EXPECT_EQ(port.get_ttl(), c.expected) << describe(c.raw);
        } else if (c.why == refused::overflow) {
            EXPECT_THROW(port.get_ttl(), overflow_error) << describe(c.raw);
        } else {
            EXPECT_THROW(port.get_ttl(), conversion_error) << describe(c.raw);
        }
        EXPECT_EQ(factory.live_instances(), 0u) << describe(c.raw);
    }
}

TEST(PortAccess, EachAccessCreatesCallsAndReleasesItsOwnInstanceOnPort91) {
    test::scripted_component_factory factory;
    factory.script_reads({std::int32_t{9}});
    port_access port(factory);
    port.write_output(8);
    port.write_output(10);
    port.get_ttl();
    EXPECT_THAT(factory.journal(),
                ElementsAre("new 1", "write 1 91 8", "release 1", "new 2", "write 2 91 10",
                            "release 2", "new 3", "read 3 91 aux 0", "release 3"));
}

TEST(PortAccess, AFailingCallRaisesItsStatusAndStillReleases) {
    for (const bool on_write : {true, false}) {
        test::scripted_component_factory factory;
        factory.fail_access(1, access_denied);
        port_access port(factory);
        test::expect_io_error(port, on_write, access_denied,
                              "status " + std::to_string(access_denied));
        EXPECT_EQ(factory.live_instances(), 0u);
        EXPECT_EQ(factory.journal().back(), "release 1");
    }
}

TEST(PortAccess, AFailedCreationIsAnIoErrorAndNoCallIsMade) {
    test::scripted_component_factory factory;
    factory.fail_access(1, access_denied, /*at_creation=*/true);
    port_access port(factory);
    EXPECT_THROW(port.write_output(0), creation_error) << "not a failure of WritePort";
    EXPECT_THAT(factory.journal(), ElementsAre("creation failed"));
}

/// A component whose creation reports success and hands back nothing.
class empty_handed_factory final : public io_component_factory {
  public:
    status_code create_instance(std::unique_ptr<io_component>& /*instance*/) override { return 0; }
    std::string describe_status(status_code /*code*/) const override { return {}; }
};

TEST(PortAccess, ASuccessfulCreationWithNoInstanceIsAnIoErrorOfThatAccess) {
    empty_handed_factory factory;
    port_access port(factory);
    for (const bool on_write : {true, false}) {  // E_POINTER
        test::expect_io_error(port, on_write, static_cast<status_code>(0x80004003),
                              "the I/O component gave no instance");
    }
}

TEST(PortAccess, ObserversHearOnlyOfAccessesThatSucceeded) {
    test::scripted_component_factory factory;
    factory.script_reads({std::int32_t{300}});
    factory.fail_access(2, access_denied);
    port_access port(factory);
    test::event_recorder recorder(/*with_reads=*/true);
    port.set_listener(&recorder);
    port.write_output(5);
    EXPECT_THROW(port.write_output(6), io_error);
    port.get_ttl();
    port.spin_delay(1);
    EXPECT_THAT(recorder.events, ElementsAre("W 5", "R 44", "S1"));
}

TEST(SpinDelay, CountsTenThousandIterationsPerUnitWithOverflowDetection) {
    EXPECT_EQ(spin_iterations(0), 0);
    EXPECT_EQ(spin_iterations(1), 10000);
    EXPECT_EQ(spin_iterations(-3), -30000) << "a negative count runs no iteration";
    EXPECT_THROW(spin_iterations(214749), overflow_error);
    test::scripted_component_factory factory;
    port_access port(factory);
    port.spin_delay(0);
    port.spin_delay(-1);
    EXPECT_THROW(port.spin_delay(1 << 30), overflow_error);
    EXPECT_EQ(factory.accesses(), 0u) << "the spin never touches the port";
}

}  // namespace
}  // namespace helio
