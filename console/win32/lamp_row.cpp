// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/lamp_row.h"

#include <stdexcept>

#include "console/win32/gui_font.h"
#include "console/win32/window_class.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

constexpr wchar_t window_class_name[] = L"HeliographeLampRow";
constexpr int cell_width = 62;     // pixels at 96 dots per inch
constexpr int lamp_diameter = 18;  // idem
constexpr int caption_lines = 3;   // "bit 5" and a meaning wrapped on two lines

COLORREF colour_of(panel_colours::rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

/// A brush or pen of ours, deleted when it goes.
class gdi_object {
  public:
    explicit gdi_object(HGDIOBJ object) : object_(object) {}
    ~gdi_object() { DeleteObject(object_); }
    gdi_object(const gdi_object&) = delete;
    gdi_object& operator=(const gdi_object&) = delete;
    HGDIOBJ get() const { return object_; }

  private:
    HGDIOBJ object_;
};

}  // namespace

lamp_row::lamp_row(const std::array<std::string_view, 8>& meanings, panel_colours::rgb lit)
    : lit_(lit) {
    for (std::size_t bit = 0; bit < meanings.size(); ++bit) {
        captions_[bit] = L"bit " + std::to_wstring(bit) + L"\n" + to_utf16(meanings[bit]);
    }
}

lamp_row::~lamp_row() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    }
}

void lamp_row::create(HWND parent, int id, HFONT font, int dots_per_inch) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    register_window_class(instance, window_class_name, owned_window_procedure<lamp_row>, nullptr);
    font_ = font;
    dpi_ = dots_per_inch;
    const SIZE size = preferred_size();
    if (CreateWindowExW(0, window_class_name, L"", WS_CHILD | WS_VISIBLE, 0, 0, size.cx, size.cy,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                        this) == nullptr) {
        throw std::runtime_error("cannot create a row of lamps");
    }
}

int lamp_row::scaled(int pixels_at_96) const {
    return MulDiv(pixels_at_96, dpi_, 96);
}

SIZE lamp_row::preferred_size() const {
    return {8 * scaled(cell_width), scaled(lamp_diameter + 6) + caption_lines * line_height(font_)};
}

void lamp_row::set_value(std::optional<std::int32_t> value) {
    if (value != value_) {
        value_ = value;
        InvalidateRect(window_, nullptr, FALSE);
    }
}

RECT lamp_row::cell_rect(int bit) const {
    RECT client{};
    GetClientRect(window_, &client);
    const int left = (7 - bit) * scaled(cell_width);
    return {left, 0, left + scaled(cell_width), client.bottom};
}

RECT lamp_row::lamp_rect(int bit) const {
    const RECT cell = cell_rect(bit);
    const int centre = (cell.left + cell.right) / 2;
    const int diameter = scaled(lamp_diameter);
    const int top = scaled(2);
    return {centre - diameter / 2, top, centre - diameter / 2 + diameter, top + diameter};
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
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    for (int bit = 0; bit < 8; ++bit) {
        paint_lamp(dc, bit);
    }
    SelectObject(dc, previous_font);
}

void lamp_row::paint_lamp(HDC dc, int bit) const {
    const bool lit = value_ && ((*value_ >> bit) & 1) != 0;
    const panel_colours::rgb colour = !value_ ? panel_colours::unknown_lamp
                                      : lit   ? lit_
                                              : panel_colours::dark_lamp;
    const gdi_object brush(CreateSolidBrush(colour_of(colour)));
    HGDIOBJ previous_brush = SelectObject(dc, brush.get());
    HGDIOBJ previous_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const RECT lamp = lamp_rect(bit);
    Ellipse(dc, lamp.left, lamp.top, lamp.right, lamp.bottom);
    SelectObject(dc, previous_pen);
    SelectObject(dc, previous_brush);

    RECT caption = cell_rect(bit);
    caption.left += scaled(2);
    caption.right -= scaled(2);
    caption.top = lamp.bottom + scaled(3);
    const std::wstring& text = captions_[static_cast<std::size_t>(bit)];
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
              DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace helio::win32
