// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <string_view>

#include "console/panel_colours.h"

/// Text and colours between the portable models (UTF-8) and the panel's widgets.
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

}  // namespace helio::panel_text
