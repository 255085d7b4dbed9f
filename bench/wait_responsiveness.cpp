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
#include <cstdlib>
#include <iostream>

#include "console/qt/form1.h"
#include "simulated_console.h"
#include "wait_timeline.h"

namespace {

/// Form1's paints, for the timeline.
class paint_watch final : public QObject {
  public:
    paint_watch(Form1& window, helio::bench::wait_timeline& timeline)
        : window_(window), timeline_(timeline) {
        window_.installEventFilter(this);
    }
    ~paint_watch() override { window_.removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            timeline_.painted();
        }
        return false;
    }

  private:
    Form1& window_;
    helio::bench::wait_timeline& timeline_;
};

/// Presses the two blade buttons in turn and prints what each wait was like.
class responsiveness_run final : public QObject {
  public:
    /// A round is four presses: both buttons with nothing asking for a repaint, then both
    /// with something asking.
    responsiveness_run(int rounds, Form1& window, helio::bench::wait_timeline& timeline)
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
        std::cout << (done_ == 0 ? "[\n  " : ",\n  ") << timeline_.json(button, asked);
    }

    int runs_;
    int done_ = 0;
    Form1& window_;
    helio::bench::wait_timeline& timeline_;
    QTimer asker_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;

    helio::bench::simulated_console sim(QLocale::system().decimalPoint().toStdString());
    Form1 window(sim.model);
    window.set_error_presenter([](QWidget*, const QString& message) {
        std::cerr << "wait_responsiveness: " << message.toStdString() << '\n';
        std::exit(1);
    });
    helio::bench::wait_timeline timeline(sim.time, sim.device,
                                         [&sim] { return sim.controller.blades().arrival_time(); });
    paint_watch paints(window, timeline);
    window.show();

    responsiveness_run run(rounds, window, timeline);
    run.start();
    return application.exec();
}
