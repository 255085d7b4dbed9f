// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "console/panel_presenter.h"
#include "console/win32/gui_font.h"
#include "console/win32/lamp_row.h"
#include "console/win32/panel_layout.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// The maintainer's second window beside Form1, as a native Win32 window: the controls its
/// presenter describes, laid out from the size of their text, drawn as the presenter says,
/// every action on them forwarded to it. It follows the presenter on a timer between
/// presses and at every keep-alive of a wait; its own controls, like Form1's, wait for the
/// running sequence to end. Closing it only hides it.
class panel_window final {
  public:
    explicit panel_window(panel_presenter& presenter);
    ~panel_window();

    panel_window(const panel_window&) = delete;
    panel_window& operator=(const panel_window&) = delete;

    /// Creates the window, not yet shown; throws std::runtime_error if Windows refuses.
    void create(HINSTANCE instance);

    HWND handle() const { return window_; }
    /// The control made for the control `name` of the description, or nullptr.
    HWND control(std::string_view name) const;
    /// The row of lamps made for the control `name`, or nullptr.
    const lamp_row* lamps(std::string_view name) const;

    /// Draws what changed; nothing at all while the panel is hidden.
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

    /// A control of the description and the window made for it; its id is its index plus
    /// first_id.
    struct made {
        const panel_control* control;
        HWND window;
        lamp_row* lamps;
    };
    void make(const panel_control& control);
    HWND make_window(const panel_control& control, int id);
    const made* find(std::string_view name) const;
    panel_layout layout() const;
    void draw(const panel_update& update);

    panel_presenter& presenter_;
    std::vector<made> made_;
    std::vector<std::unique_ptr<lamp_row>> lamp_rows_;
    HWND window_ = nullptr;
    gui_font font_;
    gui_font bold_font_;
    gui_font value_font_;
    gui_font small_font_;
    gui_font fixed_font_;
    HBRUSH banner_brush_ = nullptr;
    SIZE smallest_{};  ///< the client area's smallest size
};

/// Shows `panel` beside `form`, within the work area of its screen, leaving the focus in
/// `form`: how the panel comes up as the console starts.
void show_beside(HWND form, HWND panel);

/// Shows `panel` and brings it forward.
void bring_forward(HWND panel);

}  // namespace helio::win32
