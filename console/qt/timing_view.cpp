// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/timing_view.h"

#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "console/qt/panel_text.h"

namespace helio {

namespace {

using panel_text::from_rgb;

struct units {
    double across;
    double down;
};

units units_of(const QFontMetricsF& metrics) {
    return {metrics.horizontalAdvance(QLatin1Char('0')), metrics.height()};
}

}  // namespace

timing_view::timing_view(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void timing_view::show_drawing(const timing_drawing& drawing) {
    if (drawing != drawing_) {
        drawing_ = drawing;
        set_ranges();
        viewport()->update();
    }
}

QSize timing_view::drawing_size() const {
    const units unit = units_of(QFontMetricsF(font()));
    return {static_cast<int>(std::ceil(drawing_.width * unit.across)),
            static_cast<int>(std::ceil(drawing_.height * unit.down))};
}

void timing_view::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    set_ranges();
}

void timing_view::set_ranges() {
    const QSize size = drawing_size();
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setRange(0, std::max(0, size.height() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
}

void timing_view::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const units unit = units_of(QFontMetricsF(font()));
    const auto box = [unit](const chart_shape& shape) {
        return QRectF(QPointF(shape.left * unit.across, shape.top * unit.down),
                      QPointF(shape.right * unit.across, shape.bottom * unit.down));
    };
    // Traces a little thicker as the font grows, to stay as legible at every scale.
    const double pen_width = std::max(1.0, std::round(unit.down / 9));
    for (const chart_shape& shape : drawing_.shapes) {
        switch (shape.shape) {
            case chart_shape::form::fill:
                painter.fillRect(box(shape), from_rgb(shape.colour));
                break;
            case chart_shape::form::line:
                painter.setPen(QPen(from_rgb(shape.colour), pen_width));
                painter.drawLine(box(shape).topLeft(), box(shape).bottomRight());
                break;
            case chart_shape::form::text:
                painter.setPen(from_rgb(shape.colour));
                painter.drawText(box(shape),
                                 shape.alignment == chart_shape::align::centre
                                     ? Qt::AlignCenter
                                     : static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter),
                                 panel_text::from_utf8(shape.text));
                break;
        }
    }
}

}  // namespace helio
