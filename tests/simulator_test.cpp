// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>

#include "support/simulated_port.h"

namespace helio::sim {
namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t button = 1, at_sighting = 2, at_ccd = 4, blades_ready = 8;

/// The simulated heliograph alone, on a clock that moves only when told.
class ControllerTest : public ::testing::Test, protected test::simulated_port {
  protected:
    ControllerTest() : simulated_port(test::make_sim()) {}

    void write(std::initializer_list<std::int32_t> values) {
        for (const std::int32_t value : values) {
            controller.write_outputs(value);
        }
    }
    void send_setpoint(int code) {
        const int low = (code & 7) * 8;
        const int high = code & 248;
        write({low, low + 3, low, high, high + 1, high, 0});
    }
};

TEST_F(ControllerTest, StartsAtTheCcdStopWithBladesInPositionAndTheButtonActive) {
    EXPECT_EQ(controller.read_inputs(), button | at_ccd | blades_ready);
    EXPECT_EQ(controller.blades().target_code(), 128);
    EXPECT_EQ(controller.pusher_actuations(), 0);
}

TEST_F(ControllerTest, StrobeBLatchesTheMirrorCommandsWhichTakeTheirTravelTime) {
    write({8, 10, 8, 0});
    EXPECT_EQ(controller.read_inputs(), button | blades_ready) << "travelling: neither stop";
    time.advance(1499ms);
    EXPECT_EQ(controller.mirror().place(), mirror_place::travelling);
    time.advance(1ms);
    EXPECT_EQ(controller.read_inputs(), button | at_sighting | blades_ready);
    write({16, 18, 16, 0});
    time.advance(1500ms);
    EXPECT_EQ(controller.read_inputs(), button | at_ccd | blades_ready);
    write({16, 18, 16, 0});
    EXPECT_EQ(controller.mirror().place(), mirror_place::ccd) << "already there: no move";
    EXPECT_TRUE(controller.violations().clean());
}

TEST_F(ControllerTest, TheTwoSetpointHalvesAssembleTheCodeAndMoveTheBlades) {
    for (const int code : {178, 35, 231, 128, 200, 0, 255}) {
        const double from = controller.blades().current_code();
        send_setpoint(code);
        EXPECT_EQ(controller.last_setpoint(), code);
        EXPECT_EQ(controller.blades().target_code(), code);
        const auto travel = std::chrono::milliseconds(20 * static_cast<int>(std::abs(code - from)));
        EXPECT_EQ(controller.blades().arrival_time(), time.now() + travel) << code;
        if (travel > 0ms) {
            EXPECT_FALSE(controller.blades().in_position()) << code;
            time.advance(travel - 1ms);
            EXPECT_FALSE(controller.blades().in_position()) << code;
        }
        time.advance(1ms);
        EXPECT_EQ(controller.read_inputs() & blades_ready, blades_ready) << code;
    }
    EXPECT_TRUE(controller.violations().clean());
}

TEST_F(ControllerTest, StuckMechanismsFreezeUntilReleased) {
    controller.mirror().set_stuck(true);
    write({8, 10, 8, 0});
    time.advance(1h);
    EXPECT_EQ(controller.mirror().place(), mirror_place::travelling);
    controller.mirror().set_stuck(false);
    time.advance(1500ms);
    EXPECT_EQ(controller.mirror().place(), mirror_place::sighting);

    controller.blades().set_stuck(true);
    EXPECT_TRUE(controller.blades().in_position()) << "nothing was asked of it yet";
    send_setpoint(128);
    time.advance(1h);
    EXPECT_FALSE(controller.blades().in_position()) << "not even a move of no distance";
    send_setpoint(138);
    time.advance(1h);
    EXPECT_DOUBLE_EQ(controller.blades().current_code(), 128.0);
    controller.blades().set_stuck(false);
    time.advance(200ms);
    EXPECT_TRUE(controller.blades().in_position());
}

TEST_F(ControllerTest, ThePusherCountsAndIsCheckedAgainstTheInterlock) {
    write({32, 34, 32, 0});
    EXPECT_EQ(controller.pusher_actuations(), 1);
    EXPECT_EQ(controller.violations().count(violation_kind::pusher_mirror_not_sighting), 1u);

    controller.violations().clear();
    write({8, 10, 8, 0});
    time.advance(1500ms);
    controller.set_sighting_button(false);
    EXPECT_EQ(controller.read_inputs() & button, 0);
    write({32, 34, 32, 0});
    EXPECT_EQ(controller.violations().count(violation_kind::pusher_button_inactive), 1u);
    EXPECT_EQ(controller.violations().count(violation_kind::pusher_mirror_not_sighting), 0u);

    controller.violations().clear();
    controller.set_sighting_button(true);
    write({32, 34, 32, 0});
    EXPECT_TRUE(controller.violations().clean());
    EXPECT_EQ(controller.pusher_actuations(), 3);
}

struct bad_pulse {
    const char* why;
    std::initializer_list<std::int32_t> writes;
    violation_kind expected;
};

TEST_F(ControllerTest, TheProtocolMonitorRecordsEveryKindOfBreach) {
    using enum violation_kind;
    const bad_pulse cases[] = {
        {"data changed with the strobe high", {8, 10, 18, 16, 0}, data_changed_while_strobed},
        {"strobe pattern changed while high", {0, 2, 3, 0}, data_changed_while_strobed},
        {"data dropped with the strobe", {8, 10, 0}, data_changed_while_strobed},
        {"code and strobe in one write", {0, 10, 8, 0}, strobe_with_new_data},
        {"high part with no low part", {128, 129, 128, 0}, high_part_without_low_part},
        {"unknown command code", {64, 66, 64, 0}, unknown_command},
        {"low part with bits 6-7", {64, 67, 64, 0}, low_part_extra_bits},
        {"value outside a byte", {256}, value_out_of_range},
    };
    for (const bad_pulse& pulse : cases) {
        manual_clock fresh_time;
        heliograph_controller fresh(fresh_time);
        for (const std::int32_t value : pulse.writes) {
            fresh.write_outputs(value);
        }
        EXPECT_EQ(fresh.violations().count(pulse.expected), 1u) << pulse.why;
        ASSERT_FALSE(fresh.violations().newest().empty()) << pulse.why;
        EXPECT_FALSE(fresh.violations().newest().front().description.empty());
    }
}

TEST_F(ControllerTest, AHighPartNeedsAFreshLowPartEachTime) {
    send_setpoint(178);
    write({176, 177, 176, 0});
    EXPECT_EQ(controller.violations().count(violation_kind::high_part_without_low_part), 1u);
    EXPECT_EQ(controller.last_setpoint(), 178) << "the stale low bits are used again";
}

using DeviceTest = ControllerTest;

TEST_F(DeviceTest, EveryInstanceIsAHandleOnTheOneController) {
    port.write_output(8);
    port.write_output(10);
    EXPECT_EQ(controller.output_lines(), 10);
    EXPECT_EQ(factory.instances_created(), 2u);
    EXPECT_EQ(factory.instances_released(), 2u);
    EXPECT_EQ(port.get_ttl(), button | blades_ready) << "the mirror left the CCD stop";
    EXPECT_EQ(factory.accesses(), 3u);
}

TEST_F(DeviceTest, RecordsCallsInOrderWhenAskedTo) {
    factory.set_recording(true);
    port.write_output(16);
    port.get_ttl();
    using kind = device_event::kind;
    const auto& events = factory.events();
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].what, kind::created);
    EXPECT_EQ(events[1].what, kind::write);
    EXPECT_EQ(events[1].port, 91);
    EXPECT_EQ(events[1].value, 16);
    EXPECT_EQ(events[2].what, kind::released);
    EXPECT_EQ(events[4].what, kind::read);
    EXPECT_EQ(events[4].value, button | at_ccd | blades_ready);
    EXPECT_EQ(events[5].instance, 2u);
}

TEST_F(DeviceTest, ScheduledFaultsHitExactlyTheirAccess) {
    factory.schedule_fault(2, {access_fault::kind::fail_call, status_invalid_argument, {}});
    factory.schedule_fault(3, {access_fault::kind::fail_creation, status_class_not_registered, {}});
    factory.schedule_fault(4, {access_fault::kind::answer, 0, std::string("abc")});
    port.write_output(0);
    EXPECT_THROW(port.write_output(0), io_error);
    EXPECT_THROW(port.get_ttl(), io_error);
    EXPECT_THROW(port.get_ttl(), conversion_error);
    EXPECT_EQ(port.get_ttl(), button | at_ccd | blades_ready);
    EXPECT_EQ(factory.live_instances(), 0u);
    EXPECT_EQ(factory.instances_created(), 4u) << "the failed creation made no instance";
    EXPECT_FALSE(factory.fault_pending());
}

TEST_F(DeviceTest, AHeapInstanceAndAnAccessOnTheStackCountAndRecordAlike) {
    factory.set_recording(true);
    factory.schedule_fault(2, {access_fault::kind::fail_creation, status_class_not_registered, {}});
    factory.schedule_fault(3, {access_fault::kind::answer, 0, std::int32_t{300}});
    {
        std::unique_ptr<io_component> instance;
        ASSERT_EQ(factory.create_instance(instance), 0);
        std::int32_t value = 8, status = -1;
        EXPECT_EQ(instance->WritePort(91, value, status), 0);
        EXPECT_EQ(status, 0);
    }
    std::unique_ptr<io_component> refused;
    EXPECT_EQ(factory.create_instance(refused), status_class_not_registered);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(port.get_ttl(), 44) << "the planned answer reaches the stack instance";
    port.write_output(0);

    using kind = device_event::kind;
    std::vector<std::pair<kind, std::uint64_t>> seen;
    for (const device_event& event : factory.events()) {
        seen.emplace_back(event.what, event.instance);
    }
    EXPECT_THAT(seen, ::testing::ElementsAre(
                          std::pair{kind::created, 1u}, std::pair{kind::write, 1u},
                          std::pair{kind::released, 1u}, std::pair{kind::creation_failed, 0u},
                          std::pair{kind::created, 2u}, std::pair{kind::read, 2u},
                          std::pair{kind::released, 2u}, std::pair{kind::created, 3u},
                          std::pair{kind::write, 3u}, std::pair{kind::released, 3u}));
    EXPECT_EQ(factory.accesses(), 4u);
    EXPECT_EQ(factory.live_instances(), 0u);
    EXPECT_EQ(controller.output_lines(), 0);
}

TEST_F(DeviceTest, AnotherPortIsRefusedAndReported) {
    std::unique_ptr<io_component> instance;
    ASSERT_EQ(factory.create_instance(instance), 0);
    std::int32_t value = 8, status = 0;
    EXPECT_EQ(instance->WritePort(90, value, status), status_invalid_argument);
    EXPECT_EQ(controller.violations().count(violation_kind::wrong_port), 1u);
    EXPECT_EQ(controller.output_lines(), 0);
}

}  // namespace
}  // namespace helio::sim
