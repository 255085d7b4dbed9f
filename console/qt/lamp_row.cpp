// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/lamp_row.h"

#include <QPainter>

#include "console/qt/panel_text.h"

namespace helio {

lamp_row::lamp_row(const std::vector<std::string>& captions, int diameter, QWidget* parent)
    : QWidget(parent), diameter_(diameter) {
    for (const std::string& caption : captions) {
        captions_.append(panel_text::from_utf8(caption));
    }
}

void lamp_row::show_colours(const lamp_colours& colours) {
    if (colours != colours_) {
        colours_ = colours;
        update();
    }
}

QRect lamp_row::lamp_rect(int position) const {
    return panel_text::rect_of(lamp_circle(panel_text::rect_of(rect()), position, diameter_));
}

QRect lamp_row::caption_rect(int position) const {
    return panel_text::rect_of(lamp_caption(panel_text::rect_of(rect()), position, diameter_));
}

void lamp_row::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int position = 0; position < 8; ++position) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(panel_text::from_rgb(colours_[static_cast<std::size_t>(position)]));
        painter.drawEllipse(lamp_rect(position));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption_rect(position), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         captions_.value(position));
    }
}

}  // namespace helio
