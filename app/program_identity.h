// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace helio::win32 {

/// The program's icon, the ICON resource of program_identity.rc.
inline constexpr WORD program_icon_id = 1;
/// The system-menu item that shows the version: system commands keep their low four bits
/// clear, and the system's own start at 0xF000.
inline constexpr UINT about_command = 0x0010;

/// Gives `window` the program's icon (title bar, task bar, Alt+Tab) and, in its system
/// menu, "À propos de la console…", which shows the version text in a message box: a
/// program started from the Explorer has no console for --version to print on.
void show_program_identity(HWND window, HINSTANCE instance);

}  // namespace helio::win32
