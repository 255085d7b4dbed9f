// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/chart_window.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "console/win32/off_screen.h"
#include "console/win32/window_class.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

constexpr wchar_t class_name[] = L"HeliographeChronogramme";

COLORREF colour_of(panel_colours::rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

void draw_shape(HDC dc, const chart_shape& shape, POINT unit, POINT origin, int pen_width) {
    const RECT box{origin.x + static_cast<LONG>(std::lround(shape.left * unit.x)),
                   origin.y + static_cast<LONG>(std::lround(shape.top * unit.y)),
                   origin.x + static_cast<LONG>(std::lround(shape.right * unit.x)),
                   origin.y + static_cast<LONG>(std::lround(shape.bottom * unit.y))};
    switch (shape.shape) {
        case chart_shape::form::fill: {
            HBRUSH brush = CreateSolidBrush(colour_of(shape.colour));
            FillRect(dc, &box, brush);
            DeleteObject(brush);
            return;
        }
        case chart_shape::form::line: {
            HPEN pen = CreatePen(PS_SOLID, pen_width, colour_of(shape.colour));
            HGDIOBJ previous = SelectObject(dc, pen);
            MoveToEx(dc, box.left, box.top, nullptr);
            LineTo(dc, box.right, box.bottom);
            SelectObject(dc, previous);
            DeleteObject(pen);
            return;
        }
        case chart_shape::form::text: {
            SetTextColor(dc, colour_of(shape.colour));
            const std::wstring text = to_utf16(shape.text);
            RECT room = box;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &room,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                          (shape.alignment == chart_shape::align::centre ? DT_CENTER : DT_LEFT));
            return;
        }
    }
}

}  // namespace

HWND chart_window::create(HWND parent, int id, HFONT font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    register_window_class(instance, class_name, owned_window_procedure<chart_window>, nullptr);
    font_ = font;
    if (CreateWindowExW(WS_EX_CLIENTEDGE, class_name, L"",
                        WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                        this) == nullptr) {
        throw std::runtime_error(
            "cannot create the timing chart: " +
            system_text(static_cast<long>(HRESULT_FROM_WIN32(GetLastError()))));
    }
    return window_;
}

void chart_window::show_drawing(const timing_drawing& drawing) {
    if (drawing != drawing_) {
        drawing_ = drawing;
        set_ranges();
        InvalidateRect(window_, nullptr, FALSE);
    }
}

LRESULT chart_window::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(w);
            set_ranges();
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SIZE:
            set_ranges();
            return 0;
        case WM_HSCROLL:
            OnScroll(SB_HORZ, LOWORD(w));
            return 0;
        case WM_VSCROLL:
            OnScroll(SB_VERT, LOWORD(w));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole, off screen
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

POINT chart_window::units() const {
    HDC dc = GetDC(window_);
    HGDIOBJ previous = SelectObject(dc, font_);
    SIZE digit{};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    return {std::max<LONG>(digit.cx, 1), std::max<LONG>(metrics.tmHeight, 1)};
}

void chart_window::set_ranges() {
    RECT client{};
    GetClientRect(window_, &client);
    const POINT unit = units();
    const auto range = [this](int bar, double size, LONG room) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE;
        info.nMax = static_cast<int>(std::ceil(size)) - 1;
        info.nPage = static_cast<UINT>(std::max<LONG>(room, 0));
        SetScrollInfo(window_, bar, &info, TRUE);
    };
    range(SB_HORZ, drawing_.width * unit.x, client.right);
    range(SB_VERT, drawing_.height * unit.y, client.bottom);
}

void chart_window::OnScroll(int bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, bar, &info);
    const int line = bar == SB_HORZ ? units().x * 4 : units().y;
    const int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (request) {
        case SB_LINELEFT:
            position -= line;
            break;
        case SB_LINERIGHT:
            position += line;
            break;
        case SB_PAGELEFT:
            position -= page;
            break;
        case SB_PAGERIGHT:
            position += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        default:
            return;
    }
    info.fMask = SIF_POS;
    info.nPos = std::clamp(position, 0, std::max(0, info.nMax + 1 - page));
    SetScrollInfo(window_, bar, &info, TRUE);
    InvalidateRect(window_, nullptr, FALSE);
}

void chart_window::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    const POINT origin{-GetScrollPos(window_, SB_HORZ), -GetScrollPos(window_, SB_VERT)};
    const POINT unit = units();
    // Traces a little thicker as the font grows, to stay as legible at every scale.
    const int pen_width = std::max(1, static_cast<int>(std::lround(unit.y / 9.0)));
    paint_off_screen(dc, client, font_, [&](HDC memory, const RECT& bitmap) {
        FillRect(memory, &bitmap, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(memory, TRANSPARENT);
        for (const chart_shape& shape : drawing_.shapes) {
            draw_shape(memory, shape, unit, origin, pen_width);
        }
    });
    EndPaint(window_, &paint);
}

}  // namespace helio::win32
