// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QRect>
#include <QString>
#include <string_view>

#include "console/panel_colours.h"
#include "console/panel_layout.h"

/// Text, fonts and colours between the portable presenter (UTF-8) and the panel's widgets.
namespace helio::panel_text {

inline QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// Sets a label's text only when it differs, so that a refresh that changes nothing
/// makes no repaint and no new layout.
inline void show_text(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

constexpr QColor from_rgb(panel_colours::rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

/// The font of the panel's text of `style`, from its plain one.
inline QFont font_of(text_style style, QFont font) {
    const text_font& look = text_fonts.at(static_cast<std::size_t>(style));
    if (look.fixed_pitch) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPointSizeF(8.0 * look.scale);
    font.setBold(look.bold);
    return font;
}

inline QRect rect_of(const screen_rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

inline screen_rect rect_of(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace helio::panel_text
