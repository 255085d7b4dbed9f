// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The console window over the simulated heliograph, built as the console builds it. It
// presses "Halpha + 1.0 A" and "H alpha" in turn, so that each press waits about 2 s for
// the blades (103 setpoint codes at 20 ms), and measures during every wait:
//   - the longest interval between two paint events of Form1, the wait's start and end
//     counting as bounds. Runs take turns between two settings: nothing asks for a
//     repaint, and something asks for one every millisecond (what a window being
//     uncovered or a changing log does);
//   - the longest interval between two keep-alives of the wait, and the length of each;
//   - the reaction: from the instant the simulated blades arrive, which raises input
//     bit 3, to the arrival line reaching the message log.
// Prints one JSON object per run, in a list. Needs a display (bench/run uses Xvfb).
//   wait_responsiveness [ROUNDS]      a round is four presses, about 8.5 s
#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "console/qt/form1.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"
#include "ttl/clock.h"
#include "ttl/ttl_lines.h"

namespace {

using time_point = helio::clock::time_point;

double milliseconds(helio::clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

/// The longest step from `from` through `marks` to `to`.
helio::clock::duration longest_gap(time_point from, const std::vector<time_point>& marks,
                                   time_point to) {
    helio::clock::duration longest{};
    time_point previous = from;
    for (const time_point mark : marks) {
        if (mark > from && mark < to) {
            longest = std::max(longest, mark - previous);
            previous = mark;
        }
    }
    return std::max(longest, to - previous);
}

std::string json_list(const std::vector<helio::clock::duration>& spans) {
    std::string list = "[";
    for (const helio::clock::duration span : spans) {
        list += (list.size() > 1 ? ", " : "") + std::to_string(milliseconds(span));
    }
    return list + "]";
}

/// What happens during one press, on the console's own clock.
class press_timeline final : public QObject,
                             private helio::wait_observer,
                             private helio::log_observer,
                             private helio::port_observer {
  public:
    press_timeline(const helio::clock& time, helio::form1_model& model, Form1& window,
                   const helio::sim::heliograph_controller& controller)
        : time_(time), model_(model), window_(window), controller_(controller) {
        model_.context().wait_observers.add(*this);
        model_.context().lines.add_observer(*this);
        model_.add_log_observer(*this);
        window_.installEventFilter(this);
    }
    ~press_timeline() override {
        window_.removeEventFilter(this);
        model_.remove_log_observer(*this);
        model_.context().lines.remove_observer(*this);
        model_.context().wait_observers.remove(*this);
    }

    struct marks {
        time_point wait_began{};
        time_point wait_ended{};
        time_point blades_arrived{};
        time_point arrival_logged{};
        std::string arrival_line;
        std::vector<time_point> paints;
        std::vector<time_point> keep_alives;
        /// Each keep-alive, from the read before it to its end: what it can add to the
        /// reaction when the blades arrive during it.
        std::vector<helio::clock::duration> keep_alive_lengths;
    };
    const marks& seen() const { return marks_; }
    void clear() { marks_ = marks{}; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            marks_.paints.push_back(time_.now());
        }
        return false;
    }

  private:
    void wait_began(const helio::status_wait& /*wait*/) override {
        marks_.wait_began = time_.now();
        // The blades were set moving by the strobe of the setpoint's high part, before the
        // wait: their arrival is known from now on.
        marks_.blades_arrived = controller_.blades().arrival_time();
    }
    // The window's keep-alive has run when this observer, added after the model's own,
    // hears of it.
    void still_waiting() override {
        const time_point now = time_.now();
        marks_.keep_alives.push_back(now);
        marks_.keep_alive_lengths.push_back(now - last_read_);
    }
    void input_read(std::int32_t /*input_byte*/) override { last_read_ = time_.now(); }
    void wait_ended(const helio::status_wait& /*wait*/, helio::clock::duration /*took*/,
                    bool /*arrived*/) override {
        marks_.wait_ended = time_.now();
    }
    void line_logged(const std::string& text) override {
        if (marks_.wait_ended != time_point{} && marks_.arrival_line.empty()) {
            marks_.arrival_logged = time_.now();
            marks_.arrival_line = text;
        }
    }

    const helio::clock& time_;
    helio::form1_model& model_;
    Form1& window_;
    const helio::sim::heliograph_controller& controller_;
    marks marks_;
    time_point last_read_{};
};

/// Presses the two blade buttons in turn and prints what each wait was like.
class responsiveness_run final : public QObject {
  public:
    /// A round is four presses: both buttons with nothing asking for a repaint, then both
    /// with something asking.
    responsiveness_run(int rounds, Form1& window, press_timeline& timeline)
        : runs_(4 * rounds), window_(window), timeline_(timeline) {
        connect(&asker_, &QTimer::timeout, &window_, [this] { window_.update(); });
    }

    void start() {
        QTimer::singleShot(settle_ms, this, [this] { press_next(); });
    }

  private:
    static constexpr int settle_ms = 300;

    void press_next() {
        const bool asked = done_ % 4 >= 2;
        const char* name = done_ % 2 == 0 ? "Command5" : "Command6";
        auto* button = qobject_cast<QPushButton*>(window_.control(name));
        timeline_.clear();
        if (asked) {
            asker_.start(1);
        }
        button->click();  // the whole sequence runs here, as on the operator's click
        asker_.stop();
        report(name, asked);
        if (++done_ < runs_) {
            QTimer::singleShot(settle_ms / 3, this, [this] { press_next(); });
        } else {
            std::cout << "\n]\n";
            QCoreApplication::quit();
        }
    }

    void report(const char* button, bool asked) {
        const press_timeline::marks& seen = timeline_.seen();
        const auto paints_in_wait = std::ranges::count_if(
            seen.paints, [&](time_point t) { return t > seen.wait_began && t < seen.wait_ended; });
        std::cout << (done_ == 0 ? "[\n" : ",\n") << "  {\"button\": \"" << button
                  << "\", \"repaint_asked\": " << (asked ? "true" : "false")
                  << ", \"wait_ms\": " << milliseconds(seen.wait_ended - seen.wait_began)
                  << ", \"paints_during_wait\": " << paints_in_wait
                  << ", \"longest_paint_gap_ms\": "
                  << milliseconds(longest_gap(seen.wait_began, seen.paints, seen.wait_ended))
                  << ", \"longest_keep_alive_gap_ms\": "
                  << milliseconds(longest_gap(seen.wait_began, seen.keep_alives, seen.wait_ended))
                  << ", \"reaction_us\": "
                  << milliseconds(seen.arrival_logged - seen.blades_arrived) * 1000.0
                  << ", \"keep_alive_ms\": " << json_list(seen.keep_alive_lengths)
                  << ", \"arrival_line\": \"" << seen.arrival_line << "\"}";
    }

    int runs_;
    int done_ = 0;
    Form1& window_;
    press_timeline& timeline_;
    QTimer asker_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;

    helio::steady_clock_source time;
    helio::sim::heliograph_controller controller(time);
    helio::sim::simulated_device device(controller);
    helio::ttl_lines lines(device);
    helio::form1_model model(lines, time, QLocale::system().decimalPoint().toStdString());
    Form1 window(model);
    window.set_error_presenter([](QWidget*, const QString& message) {
        std::cerr << "wait_responsiveness: " << message.toStdString() << '\n';
        std::exit(1);
    });
    press_timeline timeline(time, model, window, controller);
    window.show();

    responsiveness_run run(rounds, window, timeline);
    run.start();
    return application.exec();
}
