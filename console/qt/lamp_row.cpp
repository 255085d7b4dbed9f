// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/lamp_row.h"

#include <QPainter>

#include "console/qt/panel_text.h"

namespace helio {

namespace {

constexpr int cell_width = 74;
constexpr int lamp_diameter = 20;
constexpr int text_lines = 3;  // "bit 5" and a meaning wrapped on two lines
constexpr QColor dark_lamp = panel_text::from_rgb(panel_colours::dark_lamp);
constexpr QColor unknown_lamp = panel_text::from_rgb(panel_colours::unknown_lamp);

}  // namespace

lamp_row::lamp_row(const std::array<std::string_view, 8>& meanings, QColor lit_colour,
                   QWidget* parent)
    : QWidget(parent), lit_colour_(lit_colour) {
    for (std::size_t bit = 0; bit < meanings.size(); ++bit) {
        meanings_[bit] = panel_text::from_utf8(meanings[bit]);
    }
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void lamp_row::set_value(std::optional<std::int32_t> value) {
    if (value != value_) {
        value_ = value;
        update();
    }
}

QSize lamp_row::sizeHint() const {
    return {8 * cell_width, lamp_diameter + 6 + text_lines * fontMetrics().lineSpacing()};
}

QRect lamp_row::cell_rect(int bit) const {
    return {(7 - bit) * cell_width, 0, cell_width, height()};
}

QRect lamp_row::lamp_rect(int bit) const {
    const QRect cell = cell_rect(bit);
    return {cell.center().x() - lamp_diameter / 2, 2, lamp_diameter, lamp_diameter};
}

void lamp_row::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int bit = 0; bit < 8; ++bit) {
        paint_lamp(painter, bit);
    }
}

void lamp_row::paint_lamp(QPainter& painter, int bit) const {
    const bool lit = value_ && ((*value_ >> bit) & 1) != 0;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(!value_ ? QBrush(unknown_lamp) : QBrush(lit ? lit_colour_ : dark_lamp));
    painter.drawEllipse(lamp_rect(bit));

    const QRect cell = cell_rect(bit);
    const QRect text_area(cell.left() + 2, lamp_diameter + 4, cell.width() - 4,
                          cell.height() - lamp_diameter - 4);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(
        text_area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("bit %1\n%2").arg(bit).arg(meanings_[static_cast<std::size_t>(bit)]));
}

}  // namespace helio
