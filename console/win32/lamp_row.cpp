// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/lamp_row.h"

#include <algorithm>
#include <ranges>
#include <sstream>
#include <stdexcept>

#include "console/win32/gui_font.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

constexpr wchar_t window_class_name[] = L"HeliographeLampRow";
constexpr int caption_lines = 3;  // "bit 5" and a meaning wrapped on two lines

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

}  // namespace

lamp_row::lamp_row(const std::vector<std::string>& captions) {
    std::ranges::transform(captions | std::views::take(captions_.size()), captions_.begin(),
                           to_utf16);
}

lamp_row::~lamp_row() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    }
}

void lamp_row::create(HWND parent, int id, HFONT font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    register_window_class(instance, window_class_name, owned_window_procedure<lamp_row>, nullptr);
    font_ = font;
    cell_width_ = natural_cell_width();
    if (CreateWindowExW(0, window_class_name, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                        this) == nullptr) {
        throw std::runtime_error("cannot create a row of lamps");
    }
}

void lamp_row::show_colours(const std::array<panel_colours::rgb, 8>& colours) {
    if (colours != colours_) {
        colours_ = colours;
        InvalidateRect(window_, nullptr, FALSE);
    }
}

int lamp_row::natural_cell_width() const {
    int widest = lamp_diameter();
    for (const std::wstring& caption : captions_) {
        std::wistringstream words(caption);
        for (std::wstring word; words >> word;) {
            widest = std::max(widest, static_cast<int>(text_size(font_, word).cx));
        }
    }
    return widest + text_size(font_, L"0").cx;
}

int lamp_row::lamp_diameter() const {
    return line_height(font_) + 4;
}

SIZE lamp_row::preferred_size() const {
    return {8 * cell_width_, lamp_diameter() + 4 + caption_lines * line_height(font_)};
}

RECT lamp_row::lamp_rect(int position) const {
    const int left = position * cell_width_ + (cell_width_ - lamp_diameter()) / 2;
    return {left, 1, left + lamp_diameter(), 1 + lamp_diameter()};
}

LRESULT lamp_row::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_DESTROY:
            window_ = nullptr;
            return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

void lamp_row::OnPaint() {
    PAINTSTRUCT paint_info;
    HDC screen = BeginPaint(window_, &paint_info);
    RECT client{};
    GetClientRect(window_, &client);
    // Drawn off screen first, so that a lamp changing colour never flickers.
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
    paint(memory, client);
    BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window_, &paint_info);
}

void lamp_row::paint(HDC dc, const RECT& area) const {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ previous_font = SelectObject(dc, font_);
    HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (int position = 0; position < 8; ++position) {
        const auto at = static_cast<std::size_t>(position);
        const solid_brush brush(colours_[at]);
        HGDIOBJ previous_brush = SelectObject(dc, brush.get());
        const RECT lamp = lamp_rect(position);
        Ellipse(dc, lamp.left, lamp.top, lamp.right, lamp.bottom);
        SelectObject(dc, previous_brush);
        RECT caption{position * cell_width_, lamp.bottom + 3, (position + 1) * cell_width_,
                     area.bottom};
        DrawTextW(dc, captions_[at].c_str(), static_cast<int>(captions_[at].size()), &caption,
                  DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
    SelectObject(dc, previous_pen);
    SelectObject(dc, previous_font);
}

}  // namespace helio::win32
