// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The console window over the simulated heliograph with its Alpaca server on the loopback,
// built as the console builds it, under load:
//   - 8 clients, each on its own kept-alive connection, poll GET Position as fast as they
//     can; every answer is checked (HTTP 200, no error, the client's own transaction
//     number back, a slot or -1) and its round trip timed;
//   - a 9th client holds a request half sent, and again each time the server cuts it off;
//   - first a few seconds with the console idle (the floor), then the blades move for the
//     rest of the run, asked over HTTP by a 10th client: to +1.0 Å and back to the line
//     centre in turn (2.06 s waits, as the buttons "Halpha + 1.0 A" and "H alpha" make),
//     something asking Form1 for a repaint every millisecond, the paints timed;
//   - last, 200 connections opened and left silent, then a new client's first request
//     timed from its connection to its answer, a few rounds.
// Prints one JSON object. Needs a display (bench/run uses Xvfb). With `getswitch` the clients
// poll GET GetSwitch of the mirror (Switch 0, Id 0) instead: a read of the input lines each,
// where Position reads the server's own state.
//   alpaca_load [SECONDS_OF_MOVES] [IDLE_SECONDS] [POLLING_CLIENTS] [position|getswitch]
#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>
#include <nlohmann/json.hpp>

#include "alpaca/qt/qt_poster.h"
#include "alpaca/remote_access.h"
#include "console/qt/form1.h"
#include "http_client.h"
#include "simulated_console.h"

namespace {

using steady = std::chrono::steady_clock;
int polling_clients = 8;
bool poll_switch = false;  ///< GetSwitch of the mirror rather than Position

/// The request a polling client sends, and whether its answer's value is one it may have.
std::string polled_path() {
    return poll_switch ? "/api/v1/switch/0/getswitch?Id=0&ClientTransactionID="
                       : "/api/v1/filterwheel/0/position?ClientTransactionID=";
}
bool plausible(const nlohmann::json& answer) {
    if (poll_switch) {
        return answer.contains("Value") && answer["Value"].is_boolean();
    }
    const int value = answer.value("Value", -2);
    return value >= -1 && value <= 20;
}

double microseconds(steady::duration span) {
    return std::chrono::duration<double, std::micro>(span).count();
}

/// What the polling clients saw, phase by phase.
struct poll_record {
    std::vector<double> idle_us;    ///< round trips while the console was idle
    std::vector<double> moving_us;  ///< round trips while the blades were moving
    long failed = 0;                ///< an answer that is not what the reference says
    long lost = 0;                  ///< a request sent that got no answer
};

/// One polling client: its own connection, its own transaction numbers.
void poll_position(const helio::alpaca::server_endpoint& server, const std::atomic<int>& phase,
                   poll_record& record, std::mutex& mutex) {
    std::vector<double> idle;
    std::vector<double> moving;
    long failed = 0;
    long lost = 0;
    std::uint32_t transaction = 0;
    std::optional<helio::test::http_client> client;
    while (phase.load() < 2) {
        const int now = phase.load();
        try {
            if (!client) {
                client.emplace(server.address, server.port);
            }
            const std::string id = std::to_string(++transaction);
            const steady::time_point sent = steady::now();
            const auto reply = client->get(polled_path() + id);
            const double took = microseconds(steady::now() - sent);
            const nlohmann::json answer = nlohmann::json::parse(reply.body);
            if (reply.status != 200 || answer["ErrorNumber"] != 0 ||
                answer["ClientTransactionID"] != transaction || !plausible(answer)) {
                ++failed;
            }
            (now == 0 ? idle : moving).push_back(took);
        } catch (const std::exception&) {
            ++lost;
            client.reset();
        }
    }
    const std::scoped_lock lock(mutex);
    record.idle_us.insert(record.idle_us.end(), idle.begin(), idle.end());
    record.moving_us.insert(record.moving_us.end(), moving.begin(), moving.end());
    record.failed += failed;
    record.lost += lost;
}

/// The client that moves the blades: to slot 20 and back to slot 10, waiting each time
/// for the blades to report; how many moves it asked for.
void move_blades(const helio::alpaca::server_endpoint& server, const std::atomic<int>& phase,
                 int& moves) {
    helio::test::http_client client(server.address, server.port);
    while (phase.load() < 2) {
        const int slot = moves % 2 == 0 ? 20 : 10;
        client.put("/api/v1/filterwheel/0/position", "Position=" + std::to_string(slot));
        ++moves;
        while (phase.load() < 2 &&
               nlohmann::json::parse(client.get("/api/v1/filterwheel/0/position").body)
                       .value("Value", -2) != slot) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

/// The client that never finishes its request: how long the server let it hold on.
void hold_half_a_request(const helio::alpaca::server_endpoint& server,
                         const std::atomic<int>& phase, std::vector<double>& held_s) {
    namespace asio = boost::asio;
    asio::io_context io;
    while (phase.load() < 2) {
        asio::ip::tcp::socket socket(io);
        socket.connect({asio::ip::make_address(server.address), server.port});
        asio::write(socket, asio::buffer(std::string_view(
                                "PUT /api/v1/filterwheel/0/position HTTP/1.1\r\nHost: x\r\n"
                                "Content-Length: 20\r\n\r\nPosi")));
        const steady::time_point since = steady::now();
        char byte;
        boost::system::error_code ended;
        socket.read_some(asio::buffer(&byte, 1), ended);  // returns when cut off
        held_s.push_back(std::chrono::duration<double>(steady::now() - since).count());
    }
}

/// Seconds from a new client's connection to its answer while 200 others hold theirs open
/// without a word, as many times as asked.
std::vector<double> new_client_beside_silent_ones(const helio::alpaca::server_endpoint& server,
                                                  int rounds) {
    namespace asio = boost::asio;
    std::vector<double> answered_s;
    for (int round = 0; round < rounds; ++round) {
        asio::io_context io;
        std::vector<asio::ip::tcp::socket> silent;
        for (int i = 0; i < 200; ++i) {
            silent.emplace_back(io).connect({asio::ip::make_address(server.address), server.port});
        }
        const steady::time_point since = steady::now();
        helio::test::http_client newcomer(server.address, server.port);
        if (newcomer.get("/api/v1/filterwheel/0/name").status != 200) {
            throw std::runtime_error("the new client was refused");
        }
        answered_s.push_back(std::chrono::duration<double>(steady::now() - since).count());
    }
    return answered_s;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

/// The paints of Form1 and the waits for the blades, on the console's clock.
class paint_timeline final : public QObject, private helio::event_listener {
  public:
    paint_timeline(const helio::clock& time, helio::instrument& device, Form1& window)
        : time_(time), device_(device), window_(window) {
        device_.add_listener(*this, {helio::event_kind::wait_began, helio::event_kind::wait_ended});
        window_.installEventFilter(this);
    }
    ~paint_timeline() override {
        window_.removeEventFilter(this);
        device_.remove_listener(*this);
    }

    /// The longest interval between repaints within a wait, the wait's bounds counting.
    double longest_gap_ms = 0;
    int waits = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && waiting_) {
            note(time_.now());
        }
        return false;
    }

  private:
    void on_event(const helio::instrument_event& event) override {
        if (event.kind == helio::event_kind::wait_began) {
            waiting_ = true;
            last_ = time_.now();
        } else {
            note(time_.now());
            waiting_ = false;
            ++waits;
        }
    }
    void note(helio::clock::time_point now) {
        longest_gap_ms = std::max(longest_gap_ms,
                                  std::chrono::duration<double, std::milli>(now - last_).count());
        last_ = now;
    }

    const helio::clock& time_;
    helio::instrument& device_;
    Form1& window_;
    bool waiting_ = false;
    helio::clock::time_point last_{};
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int moving_seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int idle_seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    if (argc > 3) {
        polling_clients = std::atoi(argv[3]);
    }
    poll_switch = argc > 4 && std::string_view(argv[4]) == "getswitch";

    helio::bench::simulated_console sim(QLocale::system().decimalPoint().toStdString());
    Form1 window(sim.model);
    paint_timeline paints(sim.time, sim.device, window);
    helio::alpaca::qt_poster poster;
    helio::alpaca::remote_access access(sim.device, poster,
                                        {.http = {"127.0.0.1", 0}, .discovery_port = 0});
    window.show();
    {  // the wheel connected, and at the line centre: Position is then known
        helio::test::http_client setup(access.listening().address, access.listening().port);
        setup.put("/api/v1/filterwheel/0/connect", "");  // which brings them there
        setup.put("/api/v1/switch/0/connect", "");
        while (nlohmann::json::parse(setup.get("/api/v1/filterwheel/0/position").body)
                   .value("Value", -2) != 10) {
            application.processEvents();
        }
    }

    std::atomic<int> phase = 0;  // 0 idle, 1 moving, 2 done
    poll_record record;
    std::mutex mutex;
    std::vector<std::thread> clients;
    for (int i = 0; i < polling_clients; ++i) {
        clients.emplace_back(poll_position, access.listening(), std::cref(phase), std::ref(record),
                             std::ref(mutex));
    }
    std::vector<double> held_s;
    std::thread holder(hold_half_a_request, access.listening(), std::cref(phase), std::ref(held_s));

    QTimer asker;
    QObject::connect(&asker, &QTimer::timeout, &window, [&] { window.update(); });
    int moves = 0;
    std::thread mover;
    QTimer::singleShot(idle_seconds * 1000, &window, [&] {
        phase = 1;
        asker.start(1);
        mover = std::thread(move_blades, access.listening(), std::cref(phase), std::ref(moves));
        QTimer::singleShot(moving_seconds * 1000, &window, [&] {
            phase = 2;
            QCoreApplication::quit();
        });
    });
    application.exec();

    asker.stop();
    mover.join();
    for (std::thread& client : clients) {
        client.join();
    }
    holder.join();
    const std::vector<double> newcomer_s = new_client_beside_silent_ones(access.listening(), 5);
    const long answered = static_cast<long>(record.idle_us.size() + record.moving_us.size());
    std::cout << nlohmann::json{
                     {"clients", polling_clients},
                     {"polled", poll_switch ? "GetSwitch" : "Position"},
                     {"moving_s", moving_seconds},
                     {"idle_s", idle_seconds},
                     {"requests", answered + record.lost},
                     {"failed", record.failed},
                     {"lost", record.lost},
                     {"median_idle_us", percentile(record.idle_us, 0.5)},
                     {"median_moving_us", percentile(record.moving_us, 0.5)},
                     {"p99_moving_us", percentile(record.moving_us, 0.99)},
                     {"max_moving_us", percentile(record.moving_us, 1.0)},
                     {"moves", moves},
                     {"waits", paints.waits},
                     {"longest_paint_gap_ms", paints.longest_gap_ms},
                     {"half_request_held_s", held_s},
                     {"new_client_beside_200_silent_s", newcomer_s},
                 }
                     .dump(2)
              << '\n';
    return 0;
}
