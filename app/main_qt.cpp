// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLocale>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>

#include "alpaca/qt/qt_poster.h"
#include "app/command_line.h"
#include "app/console_parts.h"
#include "app/instrument_choice.h"
#include "app/qt_application.h"
#include "app/startup_timeline.h"
#include "app/version.h"
#include "console/qt/form1.h"
#include "console/qt/locale_number_format.h"
#include "console/qt/panel_window.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "ttl/clock.h"
#include "ttl/text_to_integer.h"

int main(int argc, char* argv[]) {
    helio::startup_timeline timeline;
    constexpr const char* program_name = "heliograph-console";
    // The command line first: --help and --version need no display.
    helio::console_options options;
    try {
        options = helio::parse_command_line({argv + 1, argv + argc});
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n' << helio::usage_text(program_name);
        return 2;
    }
    if (options.help || options.version) {
        std::cout << (options.help ? helio::usage_text(program_name) : helio::version_text());
        return 0;
    }
    if (const std::string missing = helio::missing_display(); !missing.empty()) {
        std::cerr << program_name << ": " << missing << '\n';
        return 1;
    }
    const auto application = helio::open_application(argc, argv);
    timeline.mark("application");

    // No real I/O component exists on this platform: the console runs on the simulator.
    const helio::instrument_kind kind =
        helio::choose_instrument(options, /*io_component_available=*/false);
    const helio::panel_plan plan = helio::plan_panel(kind);
    helio::steady_clock_source time;
    helio::sim::heliograph_controller controller(time);
    helio::sim::simulated_component_factory factory(controller);
    const helio::number_format format = helio::locale_number_format(QLocale::system());
    timeline.mark("simulator");
    try {
        helio::alpaca::qt_poster poster;
        helio::console_parts console(options, kind, plan, factory, &factory, time, format,
                                     std::make_unique<helio::portable_text_to_integer>(format),
                                     poster, &std::cerr);
        timeline.mark("parts");
        Form1 window(console.model());
        timeline.mark("window");
        std::optional<helio::panel_window> panel;  // built the first time it is opened
        const auto built_panel = [&]() -> helio::panel_window& {
            if (!panel) {
                panel.emplace(console.presenter());
                timeline.mark("panel");
            }
            return *panel;
        };
        helio::on_f12(window, [&] { helio::bring_forward(built_panel()); });
        window.show();
        timeline.mark("shown");
        if (plan.open_at_start) {
            helio::after_first_paint(window, [&] { helio::show_beside(window, built_panel()); });
        }
        return application->exec();
    } catch (const std::exception& error) {
        std::cerr << program_name << ": " << error.what() << '\n';
        return 1;
    }
}
