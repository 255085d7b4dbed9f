// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

#include "console/panel_followers.h"

namespace helio {

/// A read-only list of lines, the newest at the bottom, which scrolls along as it grows
/// unless the maintainer has scrolled back to read.
class line_list final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit line_list(QWidget* parent);

    /// Makes the changes a follower of the panel's lists handed out.
    void show_changes(const list_changes& changes);
    QStringList lines() const;
};

}  // namespace helio
