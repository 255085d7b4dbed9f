// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace helio::test {

std::wstring window_text(HWND window);
std::wstring window_class(HWND window);
/// The window's client area, in its own coordinates.
RECT client_rect(HWND window);
/// The window's frame, in the client coordinates of `within`, or in the screen's without one.
RECT window_rect(HWND window, HWND within = nullptr);

/// A shown top-level window of `process`: by its title, or by its class when one is given.
HWND find_shown_window(DWORD process, std::wstring_view title, std::wstring_view class_name = {});
/// The text of a message box, of this process or another: that of its static controls.
std::wstring message_box_text(HWND box);

/// Dispatches every message waiting for this thread, as the program's loop would.
void pump_messages();

/// A left click on `control`, posted as the mouse would, then handled.
void click(HWND control);

/// Pixels of the window's client `area`, as the screen shows it, that differ from the
/// window background: the ink of whatever is drawn there.
int ink_pixels(HWND window, const RECT& area);

/// The colour the screen shows at `point` of the window's client area.
COLORREF pixel(HWND window, POINT point);

/// The lines of a list box, top to bottom, in UTF-8.
std::vector<std::string> utf8_lines(HWND list);

/// Picks line `index` of a combo box as the mouse would: selected, and its owner told.
void choose(HWND combo, int index);

/// Types `text` over what the entry of an editable combo box shows: changed, and its owner
/// told.
void type_in(HWND combo, const wchar_t* text);

/// Answers the next message box this thread shows, pressing OK once it has read it.
class message_box_answerer {
  public:
    /// How many boxes it answered, and the last one's title and text.
    struct answered {
        int count = 0;
        std::wstring title;
        std::wstring text;
    };

    message_box_answerer();
    ~message_box_answerer();

    message_box_answerer(const message_box_answerer&) = delete;
    message_box_answerer& operator=(const message_box_answerer&) = delete;

    const answered& seen() const;

  private:
    UINT_PTR timer_;
};

}  // namespace helio::test
