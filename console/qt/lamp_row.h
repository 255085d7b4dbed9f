// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "console/panel_colours.h"

namespace helio {

/// Eight lamps in a row, each with its caption under it, painted in the colours given.
class lamp_row final : public QWidget {
    Q_OBJECT

  public:
    /// `captions` left to right, eight of them.
    explicit lamp_row(const std::vector<std::string>& captions, QWidget* parent = nullptr);

    /// Repaints the lamps when the colours differ from those shown.
    void show_colours(const std::array<panel_colours::rgb, 8>& colours);

    /// As wide as the widest word of the captions, which wrap between words.
    int natural_cell_width() const;
    /// Rows one above the other share their cells' width, so that their bits line up.
    void set_cell_width(int width);

    /// The circle of the lamp at `position` (0 on the left), in the widget's coordinates.
    QRect lamp_rect(int position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int lamp_diameter() const;

    std::array<QString, 8> captions_;
    std::array<panel_colours::rgb, 8> colours_{};
    int cell_width_ = 0;
};

}  // namespace helio
