// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "alpaca/qt/qt_poster.h"
#include "alpaca/remote_access.h"
#include "console/qt/form1.h"
#include "http_client.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

/// Counts Form1's paints while a wait for a mechanism is under way.
class paints_in_waits final : public QObject, private event_listener {
  public:
    paints_in_waits(instrument& device, Form1& window) : device_(device), window_(window) {
        device_.add_listener(*this, {event_kind::wait_began, event_kind::wait_ended});
        window_.installEventFilter(this);
    }
    ~paints_in_waits() override {
        window_.removeEventFilter(this);
        device_.remove_listener(*this);
    }

    std::vector<int> paints;  ///< in each wait

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && waiting_) {
            ++paints.back();
        }
        return false;
    }

  private:
    void on_event(const instrument_event& event) override {
        waiting_ = event.kind == event_kind::wait_began;
        if (waiting_) {
            paints.push_back(0);
        }
    }

    instrument& device_;
    Form1& window_;
    bool waiting_ = false;
};

TEST(RemoteRepaint, Form1KeepsRepaintingWhileAClientsMoveWaits) {
    // About a second from one end to the centre.
    const auto sim = test::make_sim().real_time().travel_scale(0.5).decimal_separator(".").build();
    Form1 window(sim->model);
    window.show();
    paints_in_waits counter(sim->device, window);
    alpaca::qt_poster poster;
    alpaca::remote_access access(sim->device, poster,
                                 {.http = {"127.0.0.1", 0}, .discovery_port = 0});

    QTimer asker;  // something asks for a repaint every millisecond, as in a busy window
    QObject::connect(&asker, &QTimer::timeout, &window, [&] { window.update(); });
    asker.start(1);
    QEventLoop loop;  // the console's own loop, as exec() runs it
    std::thread client([&] {
        test::http_client http(access.listening().address, access.listening().port);
        http.put("/api/v1/filterwheel/0/connect", "");
        for (const int slot : {0, 10}) {
            http.put("/api/v1/filterwheel/0/position", "Position=" + std::to_string(slot));
            while (nlohmann::json::parse(http.get("/api/v1/filterwheel/0/position").body)
                       .value("Value", -2) != slot) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    client.join();
    // The connection's move to the line centre (where the simulated blades start: no
    // travel), then the client's two: each of these lasts about a second; frozen, Form1
    // would not be painted at all in it.
    ASSERT_EQ(counter.paints.size(), 3u);
    for (const int paints : {counter.paints[1], counter.paints[2]}) {
        EXPECT_GE(paints, 10) << "Form1 repaints during a remote command's wait";
    }
}

}  // namespace
}  // namespace helio
