// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "console/panel_colours.h"

/// Text, fonts and colours between the portable presenter (UTF-8) and the panel's widgets.
namespace helio::panel_text {

inline QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The lines, one under the other.
inline QString joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) {
        list.append(from_utf8(line));
    }
    return list.join('\n');
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

/// The desktop's family at the 8 points of the console's dialogs: the panel stands beside
/// Form1 on a small screen.
inline QFont dialog_font(QFont font) {
    font.setPointSizeF(8.0);
    return font;
}

}  // namespace helio::panel_text
