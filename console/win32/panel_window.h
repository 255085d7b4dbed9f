// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "console/panel_layout.h"
#include "console/panel_presenter.h"
#include "console/win32/chart_window.h"
#include "console/win32/gui_font.h"
#include "console/win32/window_class.h"

namespace helio::win32 {

/// The maintainer's second window beside Form1, as a native Win32 window: the controls its
/// presenter describes on two pages under a tab control (the monitor, the timing view), where the
/// panel's layout puts them, drawn as the presenter says, every action on them forwarded to it. It
/// follows the presenter on a timer between presses and at every keep-alive of a wait; its own
/// controls, like Form1's, wait for the running sequence to end. Closing it only hides it.
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
    /// The circle of the lamp at `position` (0 on the left) of the row of lamps `name`, in
    /// that control's coordinates.
    RECT lamp_rect(std::string_view name, int position) const;

    /// Draws what changed; nothing at all while the panel is hidden.
    void refresh();

    /// Lays itself out for the room beside `form` in its screen's work area, and goes there.
    void move_beside(HWND form);

  private:
    template <class Owner>
    friend LRESULT CALLBACK owned_window_procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);

    void OnCreate();
    void OnSize();
    void OnDpiChanged(int dots_per_inch, const RECT& suggested);
    void use_dpi(int dots_per_inch);
    void OnGetMinMaxInfo(MINMAXINFO& limits) const;
    void OnCommand(int id, int notification);
    void OnPageChosen();
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);

    /// A control of the description and the window made for it; its id is its index plus
    /// first_id.
    struct made {
        const panel_control* control;
        HWND window;
        lamp_colours lamps{};  ///< what a row of lamps shows
        std::size_t page = 0;
    };
    /// The control of `id`, or nullptr.
    const made* made_by_id(int id) const;
    void make(const panel_control& control, std::size_t page);
    /// The tab control's height: what the pages leave of the client area's.
    int tabs_height() const;
    screen_size preferred_size() const;
    /// Where the control `name` is in made_; made_.size() if nowhere.
    std::size_t index_of(std::string_view name) const;
    HFONT font_of(text_style style) const;
    void draw(const panel_update& update);

    panel_presenter& presenter_;
    std::vector<made> made_;
    HWND window_ = nullptr;
    std::array<gui_font, 5> fonts_;  ///< by text_style
    std::unique_ptr<panel_metrics> metrics_;
    std::unique_ptr<panel_layout> layout_;
    std::unique_ptr<panel_layout> timing_layout_;
    HWND tabs_ = nullptr;
    std::size_t shown_page_ = 0;
    chart_window chart_;
    HBRUSH banner_brush_ = nullptr;
    int dpi_ = 96;
};

/// Shows `panel` beside `form`, within the work area of its screen, leaving the focus in
/// `form`: how the panel comes up as the console starts.
void show_beside(HWND form, panel_window& panel);

/// Shows `panel` and brings it forward.
void bring_forward(HWND panel);

}  // namespace helio::win32
