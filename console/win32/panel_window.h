// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "console/form1_model.h"
#include "console/line_monitor.h"
#include "console/panel_followers.h"
#include "console/virtual_instrument.h"
#include "console/win32/gui_font.h"
#include "console/win32/instrument_controls.h"
#include "console/win32/lamp_row.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// The maintainer's second window beside Form1, as a native Win32 window: the lamps of the
/// output and input lines, the transcript of every access, and on the simulator the
/// virtual instrument. It shows what the sequences did and never reaches the port itself.
/// It follows the models on a timer between presses and at every keep-alive of a wait, so
/// that it moves while Form1 is busy; its own controls, like Form1's, wait for the running
/// sequence to end. Closing it only hides it.
class panel_window final : private wait_observer {
  public:
    /// How often the panel looks at the models between presses.
    static constexpr UINT refresh_interval_ms = 50;

    /// `instrument` is null on the real instrument: the panel is then the line monitor alone.
    panel_window(form1_model& model, const line_monitor& monitor, virtual_instrument* instrument,
                 std::string_view title);
    ~panel_window() override;

    panel_window(const panel_window&) = delete;
    panel_window& operator=(const panel_window&) = delete;

    /// Creates the window, not yet shown; throws std::runtime_error if Windows refuses.
    void create(HINSTANCE instance);

    HWND handle() const { return window_; }
    /// The control of that name (panel_ids::named), or nullptr if the panel has none.
    HWND control(std::string_view name) const;
    bool shows_instrument() const { return instrument_ != nullptr; }
    const lamp_row& output_lamps() const { return output_lamps_; }
    const lamp_row& input_lamps() const { return input_lamps_; }

    /// Brings every control up to date with the models; cheap when nothing changed, and
    /// nothing at all while the panel is hidden.
    void refresh();

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

    void OnCreate();
    void OnSize();
    void OnPaint();
    void OnGetMinMaxInfo(MINMAXINFO& limits) const;
    void OnCommand(int id, int notification);
    bool OnSetCursor();
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    void OnDestroy();

    void create_lines();
    void create_transcript();
    void place_lines(int left, int top, int width) const;
    int lines_height() const;
    int px(int at_96) const { return MulDiv(at_96, dpi_, 96); }
    HWND item(int id) const { return GetDlgItem(window_, id); }
    void still_waiting() override;

    form1_model& model_;
    const line_monitor& monitor_;
    std::wstring title_;
    std::unique_ptr<instrument_controls> instrument_;
    transcript_follower transcript_lines_;
    lamp_row output_lamps_;
    lamp_row input_lamps_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    gui_font font_;
    gui_font bold_font_;
    gui_font value_font_;
    gui_font small_font_;
    gui_font fixed_font_;
    HBRUSH banner_brush_ = nullptr;
    RECT banner_area_{};  ///< the yellow band the banner's text sits in
};

/// Shows `panel` to the right of `form`, top edges level, leaving the focus in `form`: how
/// the panel comes up as the console starts. Where the screen is too narrow for it there,
/// the panel is narrowed, down to its smallest width; it never covers Form1.
void show_beside(HWND form, HWND panel);

/// Shows `panel` and brings it forward.
void bring_forward(HWND panel);

}  // namespace helio::win32
