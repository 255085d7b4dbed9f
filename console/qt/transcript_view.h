// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

#include "console/line_monitor.h"
#include "console/panel_followers.h"

namespace helio {

/// The line monitor's transcript, scrolling along as it grows unless the maintainer has
/// scrolled back to read. Each refresh adds only the entries it has not shown yet, and
/// rewrites the last line when the run of reads it shows has grown.
class transcript_view final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit transcript_view(const line_monitor& monitor, QWidget* parent = nullptr);

    void refresh();

  private:
    void rewrite_last_line(const QString& text);

    transcript_follower follower_;
};

}  // namespace helio
