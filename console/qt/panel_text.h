// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
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

/// The font of the panel's text of `style`, from its plain one: the desktop's family at
/// the 8 points of the console's dialogs, for the panel stands beside Form1 on small screens.
inline QFont font_of(text_style style, QFont font) {
    font.setPointSizeF(8.0);
    switch (style) {
        case text_style::bold:
        case text_style::value:
            font.setBold(true);
            font.setPointSizeF(style == text_style::value ? 8.0 * 1.4 : 8.0);
            return font;
        case text_style::small:
            font.setPointSizeF(8.0 * 0.9);
            return font;
        case text_style::fixed: {
            QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            fixed.setPointSizeF(8.0);
            return fixed;
        }
        case text_style::plain:
            break;
    }
    return font;
}

}  // namespace helio::panel_text
