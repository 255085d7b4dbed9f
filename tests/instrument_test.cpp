// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/instrument.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/simulated_console.h"

namespace helio {
namespace {

using ::testing::ElementsAre;

class InstrumentTest : public ::testing::Test, protected test::simulated_console {
  protected:
    InstrumentTest() : simulated_console(test::make_sim().instant()) {}

    action_outcome run(action what) {
        action_outcome told;
        device.submit(std::move(what), [&told](const action_outcome& outcome) { told = outcome; });
        return told;
    }
};

TEST_F(InstrumentTest, EachActionSaysWhatItDidAndIsNamedForTheRecords) {
    struct action_case {
        action what;
        const char* label;
        action_result result;
        std::optional<std::int32_t> setpoint;
        bool reads_inputs = false;
    };
    const auto from = [](action_kind kind, std::int32_t position = 0, std::string entry = "") {
        return action{.kind = kind, .position = position, .entry = entry, .asked_by = "client"};
    };
    const action_case cases[] = {
        {from(action_kind::sighting), "client : VISEE", action_result::done, {}},
        {from(action_kind::ccd), "client : CCD", action_result::done, {}},
        {from(action_kind::blades_to, -10), "client : consigne 35", action_result::done, 35},
        {from(action_kind::go, 0, "178"), "client : GO 178", action_result::done, 178},
        {from(action_kind::go, 0, "36"), "client : GO 36", action_result::done, {}},
        {from(action_kind::go_to, 10), "client : GO 231", action_result::done, 231},
        {from(action_kind::reset_outputs), "client : INIT TTL output", action_result::done, {}},
        {from(action_kind::read_inputs),
         "client : lecture des entrées",
         action_result::done,
         {},
         true},
        {from(action_kind::pusher), "client : POUSSOIR", action_result::refused, {}},
        {from(action_kind::blades_to, 11),
         "client : consigne position 11",
         action_result::failed,
         {}},
    };
    for (const action_case& c : cases) {
        controller.set_sighting_button(c.what.kind != action_kind::pusher);
        ports.clear();
        const action_outcome outcome = run(c.what);
        EXPECT_THAT(ports.actions, ElementsAre(c.label));
        EXPECT_EQ(outcome.result, c.result) << c.label;
        EXPECT_EQ(outcome.setpoint, c.setpoint) << c.label;
        EXPECT_EQ(outcome.input_byte.has_value(), c.reads_inputs) << c.label;
        EXPECT_EQ(!outcome.message.empty(), c.result == action_result::failed) << c.label;
    }
}

/// Adds a listener, or removes one, the first time it is told of an event, as a window
/// built or closed in a wait's keep-alive does.
class changing_listener final : public event_listener {
  public:
    changing_listener(instrument& device, event_listener& other, bool adds)
        : device_(device), other_(other), adds_(adds) {}
    void on_event(const instrument_event& /*event*/) override {
        ++told;
        if (std::exchange(first_, false)) {
            adds_ ? device_.add_listener(other_) : device_.remove_listener(other_);
        }
    }
    int told = 0;

  private:
    instrument& device_;
    event_listener& other_;
    bool adds_;
    bool first_ = true;
};

TEST_F(InstrumentTest, AListenerComesOrGoesWhileAnEventIsToldAndHearsFromTheNextOn) {
    for (const bool adds : {true, false}) {
        test::event_recorder other;
        test::event_recorder
            filler;  // four listeners: the fifth makes the list grow as it is walked
        device.add_listener(filler);
        std::optional<changing_listener> changer;
        changer.emplace(device, other, adds);
        device.add_listener(*changer, {event_kind::logged});
        if (!adds) {
            device.add_listener(other);  // after the changer: it is removed before its turn
        }
        device.log_line("un");
        device.log_line("deux");
        EXPECT_EQ(changer->told, 2);
        EXPECT_EQ(other.lines, adds ? std::vector<std::string>{"deux"} : std::vector<std::string>{})
            << (adds ? "added: from the next event on" : "removed: not told again");
        device.remove_listener(*changer);
        device.remove_listener(other);
        device.remove_listener(filler);
    }
}

}  // namespace
}  // namespace helio
