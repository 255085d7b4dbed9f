// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/lamp_row.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <ranges>

#include "console/qt/panel_text.h"

namespace helio {

namespace {

constexpr int caption_lines = 3;  // "bit 5" and a meaning wrapped on two lines

}  // namespace

lamp_row::lamp_row(const std::vector<std::string>& captions, QWidget* parent) : QWidget(parent) {
    std::ranges::transform(captions | std::views::take(captions_.size()), captions_.begin(),
                           panel_text::from_utf8);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cell_width_ = natural_cell_width();
}

void lamp_row::set_cell_width(int width) {
    cell_width_ = width;
    updateGeometry();
}

void lamp_row::show_colours(const std::array<panel_colours::rgb, 8>& colours) {
    if (colours != colours_) {
        colours_ = colours;
        update();
    }
}

int lamp_row::natural_cell_width() const {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    int widest = lamp_diameter();
    for (const QString& caption : captions_) {
        for (const QString& word : caption.split(blanks)) {
            widest = std::max(widest, fontMetrics().horizontalAdvance(word));
        }
    }
    return widest + fontMetrics().averageCharWidth();
}

int lamp_row::lamp_diameter() const {
    return fontMetrics().height() + 4;
}

QSize lamp_row::sizeHint() const {
    return {8 * cell_width_, lamp_diameter() + 4 + caption_lines * fontMetrics().lineSpacing()};
}

QRect lamp_row::lamp_rect(int position) const {
    const int centre = position * cell_width_ + cell_width_ / 2;
    return {centre - lamp_diameter() / 2, 1, lamp_diameter(), lamp_diameter()};
}

void lamp_row::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int position = 0; position < 8; ++position) {
        const auto at = static_cast<std::size_t>(position);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(panel_text::from_rgb(colours_[at]));
        painter.drawEllipse(lamp_rect(position));
        const QRect caption(position * cell_width_, lamp_diameter() + 3, cell_width_,
                            height() - lamp_diameter() - 3);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         captions_[at]);
    }
}

}  // namespace helio
