// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/lamp_painter.h"

#include "console/panel_layout.h"
#include "console/win32/child_controls.h"
#include "console/win32/off_screen.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

void paint_row(HDC dc, const RECT& area, const lamp_colours& colours,
               const std::vector<std::string>& captions, int diameter) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int position = 0; position < 8; ++position) {
        const auto at = static_cast<std::size_t>(position);
        const panel_colours::rgb colour = colours[at];
        HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
        HGDIOBJ previous_brush = SelectObject(dc, brush);
        const RECT lamp = lamp_rect(area, position, diameter);
        Ellipse(dc, lamp.left, lamp.top, lamp.right, lamp.bottom);
        DeleteObject(SelectObject(dc, previous_brush));
        RECT caption = caption_rect(area, position, diameter);
        const std::wstring text = to_utf16(at < captions.size() ? captions[at] : "");
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    SelectObject(dc, previous_pen);
}

}  // namespace

RECT lamp_rect(const RECT& row, int position, int diameter) {
    return rect_of(lamp_circle(rect_of(row), position, diameter));
}

RECT caption_rect(const RECT& row, int position, int diameter) {
    return rect_of(lamp_caption(rect_of(row), position, diameter));
}

void paint_lamps(HDC dc, const RECT& row, const lamp_colours& colours,
                 const std::vector<std::string>& captions, int diameter, HFONT font) {
    paint_off_screen(dc, row, font, [&](HDC memory, const RECT& bitmap) {
        paint_row(memory, bitmap, colours, captions, diameter);
    });
}

}  // namespace helio::win32
