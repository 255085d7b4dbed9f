// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "alpaca/error_numbers.h"
#include "alpaca/server_status.h"
#include "console/transcript_text.h"
#include "remote_rig.h"
#include "sequences/blade_positioning.h"
#include "simulator/simulated_component_factory.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using alpaca::http_method;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
namespace errors = alpaca::error_numbers;

constexpr std::string_view position = "/api/v1/filterwheel/0/position";

/// What a client's request did on the instrument and in the log.
class RemoteConsoleTest : public ::testing::Test {
  protected:
    RemoteConsoleTest() {
        rig.put("/api/v1/filterwheel/0/connect", "");
        rig.put("/api/v1/switch/0/connect", "");
        rig.poster.run_posted();  // the connection's move to the line centre
        rig.ports.clear();
        rig.host.lines.clear();
    }

    test::remote_rig rig;
};

TEST(RemoteConnection, ConnectingPlacesBladesWhosePositionIsUnknownAsHAlphaDoes) {
    test::remote_rig rig;
    test::remote_rig by_hand;
    ASSERT_TRUE(by_hand.model.press("Command6"));
    const auto connecting = [&rig] { return rig.get("/api/v1/filterwheel/0/connecting")["Value"]; };
    ASSERT_TRUE(rig.send(http_method::put, "/api/v1/filterwheel/0/connect", ""))
        << "Connect answers before the move has run";
    EXPECT_EQ(connecting(), true);
    EXPECT_EQ(rig.get(position)["Value"], -1) << "from the answer on, until the blades report";
    rig.poster.run_posted();
    EXPECT_EQ(connecting(), false);
    EXPECT_EQ(rig.get(position)["Value"], 10);
    EXPECT_EQ(rig.ports.events, by_hand.ports.events) << "the bytes of the H alpha button";
    EXPECT_EQ(rig.host.lines, by_hand.host.lines);

    rig.ports.clear();
    rig.put("/api/v1/filterwheel/0/connected", "Connected=True");
    rig.poster.run_posted();
    EXPECT_THAT(rig.ports.writes, IsEmpty()) << "a known position is left where it is";

    rig.factory.fault_next_access({});
    rig.put(position, "Position=3");
    rig.poster.run_posted();
    EXPECT_EQ(rig.get(position)["ErrorNumber"], errors::io_failure)
        << "a failed move tells its error until the next move succeeds";
    rig.put("/api/v1/filterwheel/0/connected", "Connected=True");
    EXPECT_EQ(rig.get(position)["Value"], -1);
    rig.poster.run_posted();
    EXPECT_EQ(rig.get(position)["Value"], 10) << "after a failed move, connecting places them";
}

TEST_F(RemoteConsoleTest, PositionIsMinusOneFromTheAnswerToPutPositionUntilTheBladesReport) {
    const auto answer = rig.send(http_method::put, position, "Position=15");
    ASSERT_TRUE(answer) << "PUT Position answers before the move has run";
    EXPECT_THAT(rig.ports.writes, IsEmpty());
    EXPECT_EQ(rig.get(position)["Value"], -1);

    rig.poster.run_posted();
    ASSERT_TRUE(rig.model.press("Command4"));  // a button moves them too
    EXPECT_EQ(rig.get(position)["Value"], 0);
}

TEST_F(RemoteConsoleTest, EverySlotGivesTheBytesAndLinesOfGoForItsCode) {
    test::remote_rig by_hand;
    for (const std::int32_t code : setpoint_table) {  // 35 up to 231
        by_hand.model.Text1_Change(std::to_string(code));
        ASSERT_TRUE(by_hand.model.press("Command10"));
    }
    rig.ports.clear();
    for (int slot = 0; slot < 21; ++slot) {
        rig.put(position, "Position=" + std::to_string(slot));
        rig.poster.run_posted();
        ASSERT_EQ(rig.get(position)["Value"], slot);
    }
    EXPECT_EQ(rig.ports.events, by_hand.ports.events) << "the writes and the strobe widths";
    EXPECT_EQ(rig.host.lines, by_hand.host.lines);
    EXPECT_EQ(rig.host.lines.size(), 3u * 21u);
    EXPECT_TRUE(rig.controller.violations().clean());
}

TEST_F(RemoteConsoleTest, AFailedMoveIsNeverReportedAsASuccess) {
    rig.put(position, "Position=20");
    rig.poster.run_posted();
    ASSERT_EQ(rig.get(position)["Value"], 20);
    rig.device.report_error("composant introuvable");  // outside any command: nothing moved
    EXPECT_EQ(rig.get(position)["Value"], 20);

    rig.factory.fault_next_access({});  // the first write of the next move fails
    rig.put(position, "Position=3");
    rig.poster.run_posted();
    const nlohmann::json failed = rig.get(position);
    EXPECT_EQ(failed["ErrorNumber"], errors::io_failure);
    EXPECT_THAT(failed["ErrorMessage"].get<std::string>(),
                HasSubstr("Le composant d'entrées-sorties a signalé une erreur"));
    EXPECT_THAT(rig.host.errors, IsEmpty()) << "the client is told, not the operator";

    rig.time.set_step(1ms);
    rig.controller.blades().set_stuck(true);
    ASSERT_TRUE(rig.model.press("Command6"));  // a button's move fails alike
    EXPECT_EQ(rig.get(position)["ErrorNumber"], errors::mechanism_timeout);
    ASSERT_EQ(rig.host.errors.size(), 1u);
    EXPECT_EQ(rig.get(position)["ErrorMessage"], rig.host.errors.front());
}

TEST_F(RemoteConsoleTest, ACommandThatArrivesDuringASequenceWaitsForItsEnd) {
    // A client's INIT reaches the console during the blades' wait for GO...
    bool answered_in_the_wait = false;
    rig.on_keep_alive = [&] {
        const auto answer = rig.send(http_method::put, "/api/v1/switch/0/action",
                                     "Action=InitSortiesTTL&Parameters=");
        answered_in_the_wait = answer.has_value();
        rig.poster.run_posted();
    };
    rig.model.Text1_Change("35");
    ASSERT_TRUE(rig.model.press("Command10"));
    // ...and runs after it: no write of GO's is cut by it.
    EXPECT_THAT(rig.ports.writes, ElementsAre(24, 27, 24, 32, 33, 32, 0, 0));
    EXPECT_FALSE(answered_in_the_wait) << "an Action answers once its sequence has run";
    EXPECT_FALSE(rig.model.working());
}

TEST_F(RemoteConsoleTest, AReadDuringASequenceIsItsLatestReadAndBetweenSequencesOneRead) {
    std::optional<alpaca::http_reply> during;
    int reads_before = 0;
    rig.on_keep_alive = [&] {
        reads_before = rig.ports.reads;
        during = rig.exchange(http_method::get, "/api/v1/switch/0/getswitch?Id=0");
        EXPECT_EQ(rig.ports.reads, reads_before) << "the port belongs to the sequence";
    };
    ASSERT_TRUE(rig.model.press("Command1"));  // the mirror travels to the sighting stop
    ASSERT_TRUE(during);
    EXPECT_EQ(nlohmann::json::parse(during->body)["ErrorNumber"], errors::invalid_operation)
        << "on its way, the mirror is at neither stop";

    const int reads = rig.ports.reads;
    EXPECT_EQ(rig.get("/api/v1/switch/0/getswitch?Id=0")["Value"], false);
    EXPECT_EQ(rig.get("/api/v1/switch/0/getswitchvalue?Id=0")["Value"], 0.0);
    EXPECT_EQ(rig.ports.reads, reads + 2) << "one read each";
}

TEST_F(RemoteConsoleTest, SwitchesAndActionsRunTheButtonsSequencesAndThePusherItsInterlock) {
    struct switch_case {
        const char* member;
        const char* body;
        std::vector<std::int32_t> writes;
        std::vector<std::string> lines;
        int error;
        const char* message = "";
        bool sighting_button = true;
    };
    const switch_case cases[] = {
        {"setswitch", "Id=0&State=False", {8, 10, 8, 0}, {"Visee positionnee"}, 0},
        {"setswitch", "Id=0&State=True", {16, 18, 16, 0}, {"CCD positionnee"}, 0},
        {"setswitch", "Id=0&State=True", {}, {"CCD positionnee"}, 0},
        {"action",
         "Action=Poussoir&Parameters=",
         {8, 10, 8, 0, 32, 34, 32, 0},
         {"Bouton de visee active", "Visee positionnee"},
         0},
        {"action",
         "Action=POUSSOIR&Parameters=",
         {},
         {"Bouton de visee NON active"},
         errors::invalid_operation,
         "Bouton de visee NON active",
         false},
        {"action", "Action=initsortiesttl&Parameters=x", {0}, {}, 0},
        {"action", "Action=Calibrer&Parameters=", {}, {}, errors::action_not_implemented},
        {"setswitch", "Id=1&State=True", {}, {}, errors::not_implemented},
    };
    for (const switch_case& c : cases) {
        rig.ports.clear();
        rig.host.lines.clear();
        rig.controller.set_sighting_button(c.sighting_button);
        EXPECT_EQ(rig.get("/api/v1/switch/0/getswitch?Id=1")["Value"], c.sighting_button);
        const nlohmann::json answer = rig.put(std::string("/api/v1/switch/0/") + c.member, c.body);
        EXPECT_EQ(answer["ErrorNumber"], c.error) << c.body;
        EXPECT_THAT(answer["ErrorMessage"].get<std::string>(), HasSubstr(c.message)) << c.body;
        EXPECT_EQ(rig.ports.writes, c.writes) << c.body;
        EXPECT_EQ(rig.host.lines, c.lines) << c.body;
        if (std::string_view(c.member) == "setswitch" && c.error == 0) {
            EXPECT_EQ(rig.get("/api/v1/switch/0/getswitch?Id=0")["Value"],
                      std::string_view(c.body).ends_with("True"))
                << "latched: it reads back what was set";
        }
    }
    EXPECT_EQ(rig.controller.pusher_actuations(), 1) << "and none while the button was off";
    EXPECT_EQ(rig.get("/api/v1/switch/0/supportedactions")["Value"],
              nlohmann::json({"Poussoir", "InitSortiesTTL"}));
}

TEST_F(RemoteConsoleTest, ASetSwitchHeldPastTheClientsPatienceIsAnsweredAndCompletesLater) {
    const std::string_view complete = "/api/v1/switch/0/statechangecomplete?Id=0";
    rig.time.set_step(1ms);
    rig.controller.mirror().set_stuck(true);
    const clock::time_point sent = rig.time.now();
    std::optional<clock::duration> answered_after;
    std::optional<nlohmann::json> complete_meanwhile;
    rig.send(http_method::put, "/api/v1/switch/0/setswitch", "Id=0&State=False");
    const auto reply = rig.pending_;
    rig.host.in_keep_alive = [&] {
        rig.poster.run_posted();
        if (*reply && !answered_after) {
            answered_after = rig.time.now() - sent;
            complete_meanwhile = rig.get(complete)["Value"];
        }
    };
    rig.poster.run_posted();  // the mirror's sequence: its wait runs out after its limit
    ASSERT_TRUE(answered_after) << "answered during the sequence";
    EXPECT_GE(*answered_after, alpaca::client_patience);
    EXPECT_LT(*answered_after, 5s) << "before the client gives up";
    EXPECT_EQ(nlohmann::json::parse((*reply)->body)["ErrorNumber"], 0);
    EXPECT_EQ(complete_meanwhile, false) << "the change is still under way";
    EXPECT_EQ(rig.get(complete)["ErrorNumber"], errors::mechanism_timeout)
        << "how it ended, once it has";
}

TEST_F(RemoteConsoleTest, RequestsThatArriveBeforeAReadIsMadeShareIt) {
    const int reads = rig.ports.reads;
    std::vector<std::shared_ptr<std::optional<alpaca::http_reply>>> replies;
    for (const std::string_view member : {"getswitch?Id=0", "getswitchvalue?Id=1", "devicestate"}) {
        rig.send(http_method::get, std::string("/api/v1/switch/0/") + std::string(member));
        replies.push_back(rig.pending_);
    }
    EXPECT_EQ(rig.poster.run_posted(), 1) << "one read posted for the three";
    EXPECT_EQ(rig.ports.reads, reads + 1);
    for (const auto& reply : replies) {
        ASSERT_TRUE(*reply);
        EXPECT_EQ(nlohmann::json::parse((*reply)->body)["ErrorNumber"], 0);
    }
    rig.get("/api/v1/switch/0/getswitch?Id=0");
    EXPECT_EQ(rig.ports.reads, reads + 2) << "a request after the read gets a read of its own";
}

TEST_F(RemoteConsoleTest, AnAsynchronousChangeReportsItsEndAndItsFailure) {
    const std::string_view complete = "/api/v1/switch/0/statechangecomplete?Id=0";
    ASSERT_TRUE(rig.send(http_method::put, "/api/v1/switch/0/setasync", "Id=0&State=True"));
    EXPECT_EQ(rig.get(complete)["Value"], false) << "until the sequence has run";
    rig.poster.run_posted();
    EXPECT_EQ(rig.get(complete)["Value"], true);
    EXPECT_EQ(rig.controller.mirror().place(), sim::mirror_place::ccd);

    rig.factory.fault_next_access({});
    rig.put("/api/v1/switch/0/setasync", "Id=0&State=False");
    rig.poster.run_posted();
    EXPECT_EQ(rig.get(complete)["ErrorNumber"], errors::io_failure);
    EXPECT_EQ(rig.get("/api/v1/switch/0/statechangecomplete?Id=1")["Value"], true)
        << "each switch has its own";
}

TEST_F(RemoteConsoleTest, ThePanelSaysWhereTheServerIsAndListsEachClientsCommand) {
    line_monitor monitor(rig.device);
    alpaca::report_server_off(monitor);
    ASSERT_EQ(monitor.status_lines().size(), 1u);
    EXPECT_EQ(monitor.status_lines()[0].text, "Serveur Alpaca : arrêté (option --alpaca)");
    alpaca::report_server_on(monitor, "127.0.0.1:11111", "");
    ASSERT_EQ(monitor.status_lines().size(), 1u);
    EXPECT_EQ(monitor.status_lines()[0].text,
              "Serveur Alpaca : en service sur http://127.0.0.1:11111/ (sans authentification)");

    rig.put(position, "Position=15");
    rig.poster.run_posted();
    ASSERT_TRUE(rig.model.press("Command9"));  // a press is no client's command
    rig.put("/api/v1/switch/0/setswitch", "Id=0&State=True&ClientID=42&ClientTransactionID=7");
    rig.put("/api/v1/switch/0/action", "Action=Poussoir&Parameters=&ClientID=42");
    std::vector<std::string> commands;
    for (const transcript_entry& entry : monitor.transcript()) {
        if (entry.what == transcript_entry::kind::remote) {
            commands.push_back(transcript_line(entry, monitor.origin(), "."));
        }
    }
    EXPECT_THAT(
        commands,
        ElementsAre(
            EndsWith("  C  Alpaca, ClientID 0, ClientTransactionID 0, ServerTransactionID 3 : "
                     "GO 178"),
            EndsWith("  C  Alpaca, ClientID 42, ClientTransactionID 7, ServerTransactionID 4 : "
                     "CCD"),
            EndsWith("  C  Alpaca Action Poussoir, ClientID 42, ClientTransactionID 0, "
                     "ServerTransactionID 5 : POUSSOIR")));
    EXPECT_EQ(monitor.transcript().front().what, transcript_entry::kind::remote)
        << "each command ahead of its lines and accesses";
}

TEST_F(RemoteConsoleTest, DeviceStatesListWhatIsKnown) {
    const auto names = [](const nlohmann::json& list) {
        std::vector<std::string> found;
        for (const nlohmann::json& entry : list) {
            found.push_back(entry["Name"]);
        }
        return found;
    };
    EXPECT_THAT(names(rig.get("/api/v1/filterwheel/0/devicestate")["Value"]),
                ElementsAre("Position", "TimeStamp"));
    rig.factory.fault_next_access({});
    rig.put(position, "Position=3");
    rig.poster.run_posted();
    EXPECT_THAT(names(rig.get("/api/v1/filterwheel/0/devicestate")["Value"]), IsEmpty())
        << "no position after a failed move, no time for nothing, and no error either";
    rig.controller.set_sighting_button(false);
    rig.controller.mirror().move_to(sim::mirror_place::sighting, 1s);
    const nlohmann::json switches = rig.get("/api/v1/switch/0/devicestate")["Value"];
    EXPECT_THAT(names(switches),
                ElementsAreArray({"StateChangeComplete0", "GetSwitch1", "GetSwitchValue1",
                                  "StateChangeComplete1", "TimeStamp"}))
        << "the mirror, on its way, is at neither stop: left out, and no error either";
    EXPECT_EQ(switches[1]["Value"], false) << "the sighting button, read from the port";
}

}  // namespace
}  // namespace helio
