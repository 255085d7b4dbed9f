// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The Windows console window over the registered stand-in I/O component, built as the
// console builds it on the instrument. It presses "Halpha + 1.0 A" and "H alpha" in turn,
// so that each press waits about 2 s for the stand-in's blades (103 setpoint codes at
// 20 ms), and measures during every wait, as the Linux program of the same name does:
//   - the longest interval between two paints of Form1, the wait's start and end counting
//     as bounds, with nothing asking for a repaint and with another thread asking for one
//     every millisecond (what an uncovered window does), in turns;
//   - the longest interval between two keep-alives of the wait, and the length of each;
//   - the reaction: from the instant the stand-in's blades arrive, which raises input bit 3,
//     to the arrival line reaching the message log. The component is in-process: its
//     steady clock is this program's.
// Prints one JSON object per run, in a list. Needs a display.
//   wait_responsiveness [ROUNDS]      a round is four presses, about 8.5 s
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <thread>

#include "console/form1_model.h"
#include "console/win32/form1_window.h"
#include "console/win32/user_locale.h"
#include "standin/standin_library.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"
#include "ttl/win32/com_apartment.h"
#include "ttl/win32/com_io_component.h"
#include "wait_timeline.h"

namespace {

/// Form1's paints, seen on their way to its own window procedure, for the timeline. A
/// window procedure takes no context: the one watch of the program is kept here.
class paint_watch {
  public:
    paint_watch(HWND form, helio::bench::wait_timeline& timeline)
        : form_(form), timeline_(timeline) {
        watching() = this;
        form_procedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&paint_watch::on_message)));
    }
    ~paint_watch() {
        SetWindowLongPtrW(form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(form_procedure_));
        watching() = nullptr;
    }

    paint_watch(const paint_watch&) = delete;
    paint_watch& operator=(const paint_watch&) = delete;

  private:
    static paint_watch*& watching() {
        static paint_watch* watch = nullptr;
        return watch;
    }
    static LRESULT CALLBACK on_message(HWND window, UINT message, WPARAM w, LPARAM l) {
        paint_watch* watch = watching();
        if (message == WM_PAINT) {
            watch->timeline_.painted();
        }
        return CallWindowProcW(watch->form_procedure_, window, message, w, l);
    }

    HWND form_;
    helio::bench::wait_timeline& timeline_;
    WNDPROC form_procedure_ = nullptr;
};

/// Another thread that asks for a repaint of the window every millisecond while it lives.
class repaint_asker {
  public:
    explicit repaint_asker(HWND window)
        : thread_([this, window] {
              while (!stop_) {
                  InvalidateRect(window, nullptr, FALSE);
                  Sleep(1);
              }
          }) {}
    ~repaint_asker() {
        stop_ = true;
        thread_.join();
    }

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void settle(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
}

int measure(int rounds) {
    helio::win32::com_apartment apartment;
    helio::test::standin_library standin;
    standin.reset();
    standin.set_travel_scale(1.0);  // the mechanisms' nominal speed
    standin.set_recording(false);   // a wait reads the port hundreds of thousands of times

    helio::steady_clock_source time;
    helio::win32::com_io_factory factory;
    const helio::number_format format = helio::win32::user_number_format();
    helio::port_access port(factory, format);
    helio::instrument device(port, time, format.decimal_separator);
    helio::form1_model model(device);
    helio::win32::form1_window window(model);
    window.set_error_presenter([](HWND, const std::wstring&) {
        std::fprintf(stderr, "wait_responsiveness: a press failed\n");
        std::exit(1);
    });
    window.create(GetModuleHandleW(nullptr), /*ends_program=*/false);
    ShowWindow(window.handle(), SW_SHOWNORMAL);
    UpdateWindow(window.handle());
    // The component is in-process: its steady clock is this program's.
    helio::bench::wait_timeline timeline(time, device, [&standin] {
        return helio::clock::time_point(std::chrono::duration_cast<helio::clock::duration>(
            standin.blades_arrival().time_since_epoch()));
    });
    paint_watch paints(window.handle(), timeline);

    settle(300);
    for (int done = 0; done < 4 * rounds; ++done) {
        const bool asked = done % 4 >= 2;
        const char* name = done % 2 == 0 ? "Command5" : "Command6";
        timeline.clear();
        {
            std::unique_ptr<repaint_asker> asker;
            if (asked) {
                asker = std::make_unique<repaint_asker>(window.handle());
            }
            // The whole sequence runs here, as on the operator's click.
            SendMessageW(window.control(name), BM_CLICK, 0, 0);
        }
        std::printf("%s  %s", done == 0 ? "[\n" : ",\n", timeline.json(name, asked).c_str());
        settle(100);
    }
    std::printf("\n]\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return measure(argc > 1 ? std::max(1, std::atoi(argv[1])) : 2);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wait_responsiveness: %s\n", error.what());
        return 1;
    }
}
