// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/lamp_painter.h"

#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

/// A brush of ours, deleted when it goes.
class solid_brush {
  public:
    explicit solid_brush(panel_colours::rgb colour)
        : brush_(CreateSolidBrush(RGB(colour.red, colour.green, colour.blue))) {}
    ~solid_brush() { DeleteObject(brush_); }
    solid_brush(const solid_brush&) = delete;
    solid_brush& operator=(const solid_brush&) = delete;
    HBRUSH get() const { return brush_; }

  private:
    HBRUSH brush_;
};

void paint_row(HDC dc, const RECT& area, const lamp_colours& colours,
               const std::vector<std::string>& captions, int diameter) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int position = 0; position < 8; ++position) {
        const auto at = static_cast<std::size_t>(position);
        const solid_brush brush(colours[at]);
        HGDIOBJ previous_brush = SelectObject(dc, brush.get());
        const RECT lamp = lamp_rect(area, position, diameter);
        Ellipse(dc, lamp.left, lamp.top, lamp.right, lamp.bottom);
        SelectObject(dc, previous_brush);
        RECT caption = caption_rect(area, position, diameter);
        const std::wstring text = to_utf16(at < captions.size() ? captions[at] : "");
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    SelectObject(dc, previous_pen);
}

}  // namespace

RECT lamp_rect(const RECT& row, int position, int diameter) {
    const int cell = (row.right - row.left) / 8;
    const int left = row.left + position * cell + (cell - diameter) / 2;
    return {left, row.top + 1, left + diameter, row.top + 1 + diameter};
}

RECT caption_rect(const RECT& row, int position, int diameter) {
    const int cell = (row.right - row.left) / 8;
    const int left = row.left + position * cell;
    return {left, lamp_rect(row, position, diameter).bottom + 3, left + cell, row.bottom};
}

void paint_lamps(HDC dc, const RECT& row, const lamp_colours& colours,
                 const std::vector<std::string>& captions, int diameter, HFONT font) {
    const int width = row.right - row.left;
    const int height = row.bottom - row.top;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
    HGDIOBJ previous_font = SelectObject(memory, font);
    paint_row(memory, {0, 0, width, height}, colours, captions, diameter);
    BitBlt(dc, row.left, row.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous_font);
    SelectObject(memory, previous_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace helio::win32
