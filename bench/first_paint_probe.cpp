// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Preloaded (LD_PRELOAD) into an unchanged Qt program by startup_probe. When the program's
// first top-level window has received its first paint event and that paint has been
// carried out, it writes "first-paint <steady clock ns> <window object name> <peak resident
// KiB>" to the file descriptor named by HELIO_PROBE_FD and ends the program through the
// event loop.
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

/// The process's peak resident memory so far (VmHWM).
long long peak_resident_kib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long long kib = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> kib;
            break;
        }
    }
    return kib;
}

class first_paint_reporter final : public QObject {
  public:
    explicit first_paint_reporter(int descriptor, QObject* parent)
        : QObject(parent), descriptor_(descriptor) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // The paint event goes on to the window and its children, and the frame is
            // flushed to the display, before a zero timer runs: report then.
            QTimer::singleShot(0, this, [this, name = watched->objectName()] { report(name); });
        }
        return false;
    }

  private:
    void report(const QString& window_name) const {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        const std::string line =
            "first-paint " +
            std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) +
            " " + (window_name.isEmpty() ? std::string("-") : window_name.toStdString()) + " " +
            std::to_string(peak_resident_kib()) + "\n";
        if (write(descriptor_, line.data(), line.size()) < 0) {
            std::_Exit(3);
        }
        close(descriptor_);
        QCoreApplication::quit();
    }

    int descriptor_;
    bool seen_ = false;
};

void install_reporter() {
    const char* descriptor = std::getenv("HELIO_PROBE_FD");
    if (descriptor == nullptr) {
        return;
    }
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new first_paint_reporter(std::atoi(descriptor), application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(install_reporter)
