// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The three waits for a mechanism, with one that never reports and one that reports only
// after the console has given up on it.
#include <gtest/gtest.h>

#include <string>

#include "reliability/console_rig.h"
#include "sequences/status_wait.h"

namespace helio::test {
namespace {

using namespace std::chrono_literals;

enum class trouble { never_reports, reports_after_the_limit };

struct waited_mechanism {
    const char* name;
    const char* control;
    int bit;
    void (*prepare)(console_rig&);
    void (*set_stuck)(console_rig&, bool);
    /// The mechanism's nominal travel for this press, to scale it past the limit.
    clock::duration nominal_travel;
    const char* success_line;
    std::vector<std::string> lines_before_wait;
};

void stick_mirror(console_rig& rig, bool stuck) {
    rig.controller.mirror().set_stuck(stuck);
}
void stick_blades(console_rig& rig, bool stuck) {
    rig.controller.blades().set_stuck(stuck);
}

constexpr clock::duration mirror_travel = sim::mirror_mechanism::nominal_travel;
/// "Halpha + 1.0 A" takes the blades from their start, code 128, to 231.
constexpr clock::duration blade_travel = sim::blade_mechanism::nominal_travel_per_code * 103;

const waited_mechanism mechanisms[] = {
    {"sighting", "Command1", 1, as_started, stick_mirror, mirror_travel, "Visee positionnee", {}},
    {"CCD", "Command2", 2, mirror_at_sighting, stick_mirror, mirror_travel, "CCD positionnee", {}},
    {"blades",
     "Command5",
     3,
     as_started,
     stick_blades,
     blade_travel,
     "lames en position  +1 Ang.",
     {"consigne 231"}},
};

/// A mechanism that turns up this long after the limit has been given up on.
constexpr clock::duration late_by = 250ms;
/// The wait reads the clock a few times per reading of the port, 1 ms each.
constexpr clock::duration reading_slack = 10ms;

class StuckMechanism : public ::testing::TestWithParam<std::tuple<waited_mechanism, trouble>> {};

TEST_P(StuckMechanism, TimesOutAtTheLimitNotBeforeAndTheConsoleStaysUsable) {
    const auto& [mechanism, how] = GetParam();
    console_rig rig(1ms);
    mechanism.prepare(rig);
    test::event_recorder waits;
    rig.device.add_listener(waits, {event_kind::wait_ended});
    if (how == trouble::never_reports) {
        mechanism.set_stuck(rig, true);
    } else {
        const auto late = std::chrono::duration<double>(status_wait_limit + late_by);
        rig.controller.set_travel_scale(late /
                                        std::chrono::duration<double>(mechanism.nominal_travel));
    }

    const press_record timed_out = rig.press(mechanism.control);
    ASSERT_EQ(timed_out.errors.size(), 1u);
    const std::string& shown = timed_out.errors.front();
    EXPECT_NE(shown.find("(bit " + std::to_string(mechanism.bit) + " "), std::string::npos)
        << shown;
    EXPECT_NE(shown.find("après 60 s"), std::string::npos) << shown;
    ASSERT_EQ(waits.waits_ended.size(), 1u);
    EXPECT_FALSE(waits.waits_ended.front().arrived);
    EXPECT_GE(waits.waits_ended.front().took, status_wait_limit) << "given up before the limit";
    EXPECT_LT(waits.waits_ended.front().took, status_wait_limit + reading_slack)
        << "kept waiting past the limit";
    EXPECT_EQ(timed_out.lines, mechanism.lines_before_wait);
    EXPECT_EQ(timed_out.outputs_after, 0) << "the lines are released before a wait";
    EXPECT_TRUE(timed_out.breaches.empty());
    EXPECT_GE(rig.host.keep_alives, status_wait_limit / (keep_alive_interval + reading_slack))
        << "the window repainted all the while";
    EXPECT_FALSE(timed_out.busy_after);

    if (how == trouble::never_reports) {
        mechanism.set_stuck(rig, false);
    } else {
        rig.time.advance(2 * late_by);
        const bool reported = (rig.controller.read_inputs() >> mechanism.bit) & 1;
        EXPECT_TRUE(reported) << "the mechanism did arrive, after the limit";
    }
    const press_record again = rig.press(mechanism.control);
    EXPECT_TRUE(again.ended_normally()) << again.errors.front();
    ASSERT_FALSE(again.lines.empty());
    EXPECT_EQ(again.lines.back(), mechanism.success_line);
    EXPECT_TRUE(rig.press("Command9").ended_normally());
    EXPECT_EQ(rig.controller.output_lines(), 0);
}

std::string case_name(const ::testing::TestParamInfo<std::tuple<waited_mechanism, trouble>>& info) {
    const auto& [mechanism, how] = info.param;
    return std::string(mechanism.name) +
           (how == trouble::never_reports ? "_NeverReports" : "_ReportsAfterTheLimit");
}

INSTANTIATE_TEST_SUITE_P(EachWait, StuckMechanism,
                         ::testing::Combine(::testing::ValuesIn(mechanisms),
                                            ::testing::Values(trouble::never_reports,
                                                              trouble::reports_after_the_limit)),
                         case_name);

}  // namespace
}  // namespace helio::test
