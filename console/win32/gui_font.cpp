// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/gui_font.h"

#include "console/caption_fit.h"

namespace helio::win32 {

namespace {

/// Character height in pixels (negative, as LOGFONT has it) of `points` at `dots_per_inch`.
LONG points_height(double points, int dots_per_inch) {
    return -static_cast<LONG>(points * dots_per_inch / 72.0 + 0.5);
}

/// The default GUI font's face, `points` high on a screen of `dots_per_inch`. From a size in
/// points, not from the stock font's height: some systems scale that to the screen already,
/// others keep it at its size at 96 dots per inch.
LOGFONTW gui_font_at(double points, int dots_per_inch) {
    LOGFONTW description{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    description.lfHeight = points_height(points, dots_per_inch);
    return description;
}

/// A function of user32 that older Windows lack, or nullptr there; `Pointer` its type.
template <class Pointer>
Pointer user32_function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through a function type without parameters, which converts to any other.
    return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

gui_font fitting_gui_font(int dots_per_inch, const std::function<bool(HFONT)>& fits) {
    const auto font_at = [dots_per_inch](double points) {
        return gui_font(gui_font_at(points, dots_per_inch));
    };
    return font_at(
        layout::dialog_font_points([&](double points) { return fits(font_at(points).handle()); }));
}

gui_font scaled_gui_font(int dots_per_inch, double scale, LONG weight) {
    LOGFONTW description = gui_font_at(layout::dialog_points * scale, dots_per_inch);
    description.lfWeight = weight;
    return gui_font(description);
}

gui_font fixed_pitch_font(int dots_per_inch) {
    LOGFONTW description{};
    // A little taller than the GUI font: fixed-pitch faces run small for their height.
    description.lfHeight = points_height(layout::dialog_points * 1.15, dots_per_inch);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    wcscpy_s(description.lfFaceName, L"Courier New");
    return gui_font(description);
}

int screen_dots_per_inch() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int window_dots_per_inch(HWND window) {
    using dpi_for_window = UINT(WINAPI*)(HWND);
    static const auto dpi_of = user32_function<dpi_for_window>("GetDpiForWindow");
    const UINT dpi = dpi_of != nullptr ? dpi_of(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : screen_dots_per_inch();
}

int metric_at(int index, int dots_per_inch) {
    using metric_for_dpi = int(WINAPI*)(int, UINT);
    static const auto metric_of = user32_function<metric_for_dpi>("GetSystemMetricsForDpi");
    return metric_of != nullptr
               ? metric_of(index, static_cast<UINT>(dots_per_inch))
               : MulDiv(GetSystemMetrics(index), dots_per_inch, screen_dots_per_inch());
}

int line_height(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

SIZE text_size(HFONT font, std::wstring_view text, int wrap_width) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    RECT needed{0, 0, wrap_width, 0};
    DrawTextW(screen, text.data(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (wrap_width > 0 ? DT_WORDBREAK : 0));
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return {needed.right, needed.bottom};
}

}  // namespace helio::win32
