// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace helio {

/// Eight lamps for the eight lines of a TTL port, bit 7 on the left as a byte is written,
/// each with its bit number and what the line means. Before the first access every lamp
/// is dark and hollow: nothing is known of the lines yet.
class lamp_row final : public QWidget {
    Q_OBJECT

  public:
    lamp_row(const std::array<std::string_view, 8>& meanings, QColor lit_colour,
             QWidget* parent = nullptr);

    void set_value(std::optional<std::int32_t> value);
    std::optional<std::int32_t> value() const { return value_; }

    /// The lamp of `bit` (0 to 7): its circle, in the widget's coordinates.
    QRect lamp_rect(int bit) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect cell_rect(int bit) const;
    void paint_lamp(QPainter& painter, int bit) const;

    std::array<QString, 8> meanings_;
    QColor lit_colour_;
    std::optional<std::int32_t> value_;
};

}  // namespace helio
