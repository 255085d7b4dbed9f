// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <windows.h>

#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "alpaca/win32/window_poster.h"
#include "app/command_line.h"
#include "app/command_line_split.h"
#include "app/console_parts.h"
#include "app/instrument_choice.h"
#include "app/program_identity.h"
#include "app/startup_timeline.h"
#include "app/version.h"
#include "console/form1_model.h"
#include "console/form_layout.h"
#include "console/win32/console_loop.h"
#include "console/win32/form1_window.h"
#include "console/win32/panel_window.h"
#include "console/win32/user_locale.h"
#include "instrument/component_messages.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "ttl/clock.h"
#include "ttl/win32/class_registration.h"
#include "ttl/win32/com_apartment.h"
#include "ttl/win32/com_io_component.h"
#include "ttl/win32/system_text_to_integer.h"
#include "ttl/win32/wide_text.h"

namespace {

constexpr const char* program_name = "heliograph-console";

std::vector<std::string> command_line_arguments() {
    std::vector<std::string> plain;
    for (const std::wstring& argument : helio::split_command_line(GetCommandLineW())) {
        plain.push_back(helio::win32::to_utf8(argument));
    }
    return plain;
}

/// Whether the program has that standard stream (a terminal, a pipe), which a program
/// started from the Explorer has not.
bool has_stream(DWORD which) {
    HANDLE stream = GetStdHandle(which);
    return stream != nullptr && stream != INVALID_HANDLE_VALUE &&
           GetFileType(stream) != FILE_TYPE_UNKNOWN;
}

/// A text for the maintainer: on the standard stream when there is one, in a message box
/// otherwise.
void tell(const std::string& text, bool is_error) {
    if (has_stream(is_error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
        (is_error ? std::cerr : std::cout) << text << std::flush;
        return;
    }
    MessageBoxW(nullptr, helio::win32::to_utf16(text).c_str(),
                helio::win32::to_utf16(helio::layout::window_title).c_str(),
                is_error ? MB_OK | MB_ICONERROR : MB_OK | MB_ICONINFORMATION);
}

/// On the instrument: says once, before any press, when the registry shows the I/O
/// component out of reach (in the trace, the panel's monitor and Form1's title), and tells
/// the panel if the accesses have to fall back to CoCreateInstance.
void watch_component(helio::win32::com_io_factory& component, helio::instrument& device,
                     helio::win32::form1_window& window) {
    component.on_fallback([&device](const helio::io_error& why) {
        device.report_error(helio::class_object_fallback_note(why));
    });
    if (const auto warning =
            helio::registration_warning(helio::win32::look_up_component_registration())) {
        device.report_error(*warning);
        window.warn_in_title(helio::unreachable_title_warning);
    }
}

/// The simulated heliograph, made only where the console runs on it.
struct simulated_heliograph {
    explicit simulated_heliograph(const helio::clock& time) : controller(time) {}

    helio::sim::heliograph_controller controller;
    helio::sim::simulated_component_factory factory{controller};
};

int run_console(const helio::console_options& options, HINSTANCE instance, int show,
                helio::startup_timeline& timeline) {
    helio::win32::com_apartment apartment;
    timeline.mark("apartment");
    helio::steady_clock_source time;
    // The instrument's I/O component, or with --simulate the simulated heliograph. The
    // instrument PC has the component: were it missing, each press would say so, and the
    // console says so at start too.
    const helio::instrument_kind kind =
        helio::choose_instrument(options, /*io_component_available=*/true);
    const helio::panel_plan plan = helio::plan_panel(kind);
    helio::win32::com_io_factory component;
    std::optional<simulated_heliograph> simulated;
    if (kind == helio::instrument_kind::simulator) {
        simulated.emplace(time);
    }
    helio::io_component_factory& factory =
        simulated ? static_cast<helio::io_component_factory&>(simulated->factory) : component;
    timeline.mark("simulator");

    helio::alpaca::window_poster poster(instance);
    helio::console_parts console(
        options, kind, plan, factory, simulated ? &simulated->factory : nullptr, time,
        helio::win32::user_number_format(),
        std::make_unique<helio::win32::system_text_to_integer>(), poster,
        has_stream(STD_ERROR_HANDLE) ? &std::cerr : nullptr);  // otherwise the panel says it
    timeline.mark("parts");
    helio::form1_model& model = console.model();
    helio::win32::form1_window window(model);
    window.create(instance, /*ends_program=*/true);
    helio::win32::show_program_identity(window.handle(), instance);
    helio::win32::console_loop loop(window);
    timeline.mark("window");
    if (kind == helio::instrument_kind::real_device) {
        watch_component(component, console.device(), window);
    }
    timeline.mark("registration");

    std::optional<helio::win32::panel_window> panel;  // built the first time it is opened
    const auto built_panel = [&]() -> HWND {
        if (!panel) {
            panel.emplace(console.presenter());
            panel->create(instance);
            loop.add_dialog(panel->handle());
            helio::win32::show_beside(window.handle(), *panel);
            timeline.mark("panel");
        }
        return panel->handle();
    };
    window.on_f12([&] { helio::win32::bring_forward(built_panel()); });
    ShowWindow(window.handle(), show);
    UpdateWindow(window.handle());
    timeline.mark("painted");
    if (plan.open_at_start) {
        built_panel();  // beside Form1, which keeps the focus
    }
    return loop.run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/, int show) {
    helio::startup_timeline timeline;
    helio::console_options options;
    try {
        options = helio::parse_command_line(command_line_arguments());
    } catch (const std::exception& error) {
        tell(std::string(error.what()) + '\n' + helio::usage_text(program_name), true);
        return 2;
    }
    if (options.help || options.version) {
        tell(options.help ? helio::usage_text(program_name) : helio::version_text(), false);
        return 0;
    }
    try {
        return run_console(options, instance, show, timeline);
    } catch (const std::exception& error) {
        tell(std::string(program_name) + ": " + error.what() + '\n', true);
        return 1;
    }
}
