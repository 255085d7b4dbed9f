// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "console/line_monitor.h"
#include "console/panel_followers.h"
#include "console/virtual_instrument.h"
#include "console/win32/control_factory.h"

namespace helio::win32 {

/// The simulated heliograph on the panel: where its mechanisms are, the operator's
/// sighting button, the fault switches, the travel speed and the protocol's breaches. Its
/// controls steer the simulation only; none of them touches the port.
class instrument_controls {
  public:
    instrument_controls(virtual_instrument& instrument, const line_monitor& monitor);

    instrument_controls(const instrument_controls&) = delete;
    instrument_controls& operator=(const instrument_controls&) = delete;

    /// Creates the controls in `parent`: text in `font`, the breaches in `fixed_font`.
    void create(HWND parent, HFONT font, HFONT fixed_font);
    /// Lays the controls out in `area` of the parent, at `dots_per_inch`.
    void place(const RECT& area, int dots_per_inch) const;
    /// Handles a WM_COMMAND of the parent; false if it was no control of this box.
    bool command(int id, int notification);
    void refresh();

  private:
    HWND item(int id) const { return GetDlgItem(parent_, id); }
    void create_state(HFONT font);
    void create_faults(HFONT font);
    void create_speed(HFONT font);
    /// Each lays out its part from `top` down and returns where the next part starts.
    int place_state(const control_placer& to, int left, int top, int width) const;
    int place_faults(const control_placer& to, int left, int top, int width) const;
    void place_violations(const control_placer& to, int left, int top, int width, int bottom) const;
    void arm_fault();
    void show_state(const instrument_snapshot& state);
    void show_switches(const instrument_snapshot& state);
    void show_new_violations();

    virtual_instrument& instrument_;
    const line_monitor& monitor_;
    violation_follower violation_lines_;
    HWND parent_ = nullptr;
    bool entry_refused_ = false;  ///< the typed status named none that fails
};

}  // namespace helio::win32
