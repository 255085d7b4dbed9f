// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <algorithm>

#include "console/win32/gui_font.h"

/// Laying controls out from the top of a column down, with spacing measured in lines of
/// text, so that a layout grows with its font.
namespace helio::win32 {

/// The room between and around controls, in pixels, from the height of a line of text.
struct spacing {
    explicit spacing(HFONT font) : line(line_height(font)) {}
    int line;
    int gap = std::max(2, line / 3);        ///< between rows
    int inset = std::max(4, line * 2 / 3);  ///< inside a box, and around the window's parts
    int label() const { return line + 2; }
    int check() const { return line + 6; }
    int field() const { return line + 10; }  ///< a combo box's entry, a push button
};

/// Places the controls of a column from its top down.
struct column {
    HWND parent;
    const spacing& space;
    int left;
    int width;
    int top;

    void place(int id, int x, int y, int w, int h) const {
        MoveWindow(GetDlgItem(parent, id), x, y, w, h, FALSE);
    }
    /// The next `height` pixels of the column, all its width.
    void put(int id, int height) {
        place(id, left, top, width, height);
        top += height + space.gap;
    }
    /// A label and the control it names, side by side.
    void put_pair(int label, int value, int label_width, int height) {
        place(label, left, top + (height - space.line) / 2, label_width, space.line);
        place(value, left + label_width, top, width - label_width, height);
        top += height + space.gap;
    }
    /// A combo box, its list opening below its entry.
    void put_combo(int id, int height, int list_lines = 8) {
        place(id, left, top, width, height + list_lines * space.line);
        top += height + space.gap;
    }
};

/// A group box around the column of what it holds; end() closes it at its contents' foot,
/// or at `bottom` when that is given.
struct group {
    group(column& around, int box)
        : outer(around),
          id(box),
          top(around.top),
          inner{around.parent, around.space, around.left + around.space.inset,
                around.width - 2 * around.space.inset,
                around.top + around.space.line + around.space.gap} {}

    void end(int bottom = 0) {
        const int foot = bottom > 0 ? bottom : inner.top + outer.space.inset - outer.space.gap;
        outer.place(id, outer.left, top, outer.width, foot - top);
        outer.top = foot + outer.space.gap;
    }
    /// The room left inside the box above `bottom`.
    int room_above(int bottom) const { return bottom - outer.space.inset - inner.top; }

    column& outer;
    int id;
    int top;
    column inner;
};

}  // namespace helio::win32
