// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

#include "console/panel_presenter.h"
#include "console/win32/column_layout.h"
#include "console/win32/gui_font.h"
#include "console/win32/lamp_row.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// The maintainer's second window beside Form1, as a native Win32 window drawn from its
/// presenter: the lamps of the output and input lines, the transcript of every access, and
/// on the simulator the virtual instrument, its switches forwarded to the presenter. It
/// follows the presenter on a timer between presses and at every keep-alive of a wait; its
/// own controls, like Form1's, wait for the running sequence to end. Closing it only hides
/// it. Its controls are laid out from the size of their text.
class panel_window final {
  public:
    explicit panel_window(panel_presenter& presenter);
    ~panel_window();

    panel_window(const panel_window&) = delete;
    panel_window& operator=(const panel_window&) = delete;

    /// Creates the window, not yet shown; throws std::runtime_error if Windows refuses.
    void create(HINSTANCE instance);

    HWND handle() const { return window_; }
    /// The control of that name (panel_ids::controls), or nullptr if the panel has none.
    HWND control(std::string_view name) const;
    const lamp_row& output_lamps() const { return output_lamps_; }
    const lamp_row& input_lamps() const { return input_lamps_; }

    /// Draws what changed; nothing at all while the panel is hidden.
    void refresh();

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

    void OnCreate();
    void OnPaint();
    void OnGetMinMaxInfo(MINMAXINFO& limits) const;
    void OnCommand(int id, int notification);
    bool OnSetCursor();
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    void OnDestroy();

    HWND item(int id) const { return GetDlgItem(window_, id); }
    HFONT font_of(int id) const;
    /// Lays every control out in the client area; returns the height the parts need.
    int lay_out(int client_width, int client_height);
    /// Each lays its part out; returns where what follows goes, or the height it needs.
    int lay_out_banner(const spacing& space, int client_width);
    void lay_out_lines(column& monitor) const;
    int lay_out_instrument(column& right, int bottom) const;
    void lay_out_faults(column& instrument) const;
    SIZE preferred_client_size();
    int row_label_width() const;
    int instrument_width() const;
    void draw(const panel_update& update);

    panel_presenter& presenter_;
    lamp_row output_lamps_;
    lamp_row input_lamps_;
    HWND window_ = nullptr;
    gui_font font_;
    gui_font bold_font_;
    gui_font value_font_;
    gui_font small_font_;
    gui_font fixed_font_;
    HBRUSH banner_brush_ = nullptr;
    RECT banner_area_{};  ///< the yellow band the banner's text sits in
    std::size_t status_lines_shown_ = 0;
    SIZE smallest_{};  ///< the client area's smallest size
};

/// Shows `panel` beside `form`, within the work area of its screen, leaving the focus in
/// `form`: how the panel comes up as the console starts.
void show_beside(HWND form, HWND panel);

/// Shows `panel` and brings it forward.
void bring_forward(HWND panel);

}  // namespace helio::win32
