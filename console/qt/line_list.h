// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <optional>

#include "console/panel_colours.h"
#include "console/panel_followers.h"

namespace helio {

/// A read-only list of lines in a fixed-pitch font, the newest at the bottom, which
/// scrolls along as it grows unless the maintainer has scrolled back to read.
class line_list final : public QPlainTextEdit {
    Q_OBJECT

  public:
    /// At least `lines_in_sight` lines tall, its text in `ink` if given.
    line_list(int lines_in_sight, std::optional<panel_colours::rgb> ink, QWidget* parent = nullptr);

    /// Makes the changes a follower of the panel's lists handed out.
    void show_changes(const list_changes& changes);
    QStringList lines() const;
};

}  // namespace helio
