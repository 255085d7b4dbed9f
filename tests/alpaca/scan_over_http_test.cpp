// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <nlohmann/json.hpp>

#include "alpaca/remote_access.h"
#include "console/go_procedure.h"
#include "http_client.h"
#include "queued_poster.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;

/// The console on the simulated heliograph with its Alpaca server on the loopback: the test
/// thread is the console's thread, a client thread talks HTTP to it.
struct served_console : test::simulated_console {
    served_console()
        : simulated_console(test::make_sim().step(50us).decimal_separator(".").log_to_host()) {}

    /// Plays the console's event loop until `client` has finished.
    void serve(const std::function<void(test::http_client&)>& client) {
        std::atomic<bool> finished = false;
        std::exception_ptr failure;
        std::thread thread([&] {
            try {
                test::http_client connection(access.listening().address, access.listening().port);
                client(connection);
            } catch (...) {
                failure = std::current_exception();
            }
            finished = true;
        });
        while (!finished) {
            if (poster.run_posted() == 0) {
                std::this_thread::sleep_for(100us);
            }
        }
        thread.join();
        if (failure) {
            std::rethrow_exception(failure);
        }
    }

    test::queued_poster poster;
    alpaca::remote_access access{model, poster, {"127.0.0.1", 0}};
};

TEST(ScanOverHttp, EverySlotGivesTheBytesAndLinesOfGoForItsCode) {
    served_console by_hand;
    for (const std::int32_t code : setpoint_table) {  // 35 up to 231
        by_hand.model.Text1_Change(std::to_string(code));
        ASSERT_TRUE(by_hand.model.press("Command10"));
    }

    served_console remote;
    remote.serve([](test::http_client& client) {
        ASSERT_EQ(client.put("/api/v1/filterwheel/0/connect", "ClientID=1").status, 200);
        for (int slot = 0; slot < 21; ++slot) {
            const auto moved =
                client.put("/api/v1/filterwheel/0/position", "Position=" + std::to_string(slot));
            ASSERT_EQ(nlohmann::json::parse(moved.body)["ErrorNumber"], 0) << moved.body;
            for (;;) {  // as imaging software does: poll until the wheel reports
                const auto position = nlohmann::json::parse(
                    client
                        .get("/api/v1/filterwheel/0/position?ClientTransactionID=" +
                             std::to_string(slot + 1))
                        .body);
                ASSERT_EQ(position["ErrorNumber"], 0);
                if (position["Value"] == slot) {
                    break;
                }
                ASSERT_EQ(position["Value"], -1) << "while moving, never another slot";
                std::this_thread::sleep_for(1ms);
            }
        }
    });
    EXPECT_EQ(remote.ports.events, by_hand.ports.events) << "the writes and the strobe widths";
    EXPECT_EQ(remote.host.lines, by_hand.host.lines);
    EXPECT_EQ(remote.host.lines.size(), 3u * 21u);
    EXPECT_TRUE(remote.controller.monitor().clean());
}

}  // namespace
}  // namespace helio
