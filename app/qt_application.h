// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <memory>
#include <string>

namespace helio {

/// Why no window can be opened here, when that is plain before Qt is asked (no X11 or
/// Wayland display named, no other Qt platform chosen); empty if a display may be there.
std::string missing_display();

/// The application, connected to the display. Where Qt cannot reach one after all (a
/// DISPLAY no server answers) it would abort the process with a core dump: this prints one
/// line on standard error instead and ends the process with status 1. Qt's messages made
/// while connecting are passed on once it has connected. `argc` must outlive the result.
std::unique_ptr<QApplication> open_application(int& argc, char** argv);

}  // namespace helio
