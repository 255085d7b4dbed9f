// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/off_screen.h"

namespace helio::win32 {

void paint_off_screen(HDC dc, const RECT& area, HFONT font,
                      const std::function<void(HDC memory, const RECT& bitmap)>& paint) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
    HGDIOBJ previous_font = SelectObject(memory, font);
    paint(memory, {0, 0, width, height});
    BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous_font);
    SelectObject(memory, previous_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace helio::win32
