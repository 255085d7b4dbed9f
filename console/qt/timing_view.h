// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractScrollArea>

#include "console/timing_chart.h"

namespace helio {

/// The timing view's chart: the shapes of the drawing given, in the widget's font (one
/// logical unit across is the digit 0, one down a line), scrolled where it is larger than
/// the widget.
class timing_view final : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit timing_view(QWidget* parent);

    /// The drawing's size in pixels, in the widget's font: what it takes to show it whole.
    QSize drawing_size() const;
    /// Repaints when the drawing differs from the one shown.
    void show_drawing(const timing_drawing& drawing);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void set_ranges();

    timing_drawing drawing_;
};

}  // namespace helio
