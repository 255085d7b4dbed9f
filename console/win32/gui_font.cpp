// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/gui_font.h"

#include <utility>

namespace helio::win32 {

namespace {

LOGFONTW default_gui_font() {
    LOGFONTW description{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    return description;
}

/// Character height in pixels (negative, as LOGFONT has it) of `points` at `dots_per_inch`.
LONG points_height(double points, int dots_per_inch) {
    return -static_cast<LONG>(points * dots_per_inch / 72.0 + 0.5);
}

}  // namespace

gui_font::gui_font(LONG height) : height_(height) {
    LOGFONTW description = default_gui_font();
    description.lfHeight = height;
    font_ = CreateFontIndirectW(&description);
}

gui_font::~gui_font() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

gui_font::gui_font(gui_font&& other) noexcept
    : font_(std::exchange(other.font_, nullptr)), height_(other.height_) {}

gui_font& gui_font::operator=(gui_font&& other) noexcept {
    if (this != &other) {
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        font_ = std::exchange(other.font_, nullptr);
        height_ = other.height_;
    }
    return *this;
}

gui_font fitting_gui_font(int dots_per_inch, const std::function<bool(HFONT)>& fits) {
    constexpr double smallest_points = 6.5;
    gui_font font(MulDiv(default_gui_font().lfHeight, dots_per_inch, 96));
    for (double points = 7.5; points >= smallest_points && !fits(font.handle()); points -= 0.5) {
        const LONG smaller = points_height(points, dots_per_inch);
        if (smaller > font.height()) {  // heights are negative: this one is smaller
            font = gui_font(smaller);
        }
    }
    return font;
}

}  // namespace helio::win32
