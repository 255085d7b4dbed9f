// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "console/panel_presenter.h"

namespace helio {

/// Eight lamps side by side in equal cells, in the colours given, each with its caption
/// under it.
class lamp_row final : public QWidget {
    Q_OBJECT

  public:
    /// `captions` left to right; lamps `diameter` pixels across.
    lamp_row(const std::vector<std::string>& captions, int diameter, QWidget* parent);

    /// Repaints the lamps when the colours differ from those shown.
    void show_colours(const lamp_colours& colours);

    /// The circle of the lamp at `position` (0 on the left), in the widget's coordinates.
    QRect lamp_rect(int position) const;
    /// Where the caption of the lamp at `position` is drawn, wrapped between words.
    QRect caption_rect(int position) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList captions_;
    lamp_colours colours_{};
    int diameter_;
};

}  // namespace helio
