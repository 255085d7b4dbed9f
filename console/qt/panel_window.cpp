// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/panel_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

#include "console/panel_labels.h"
#include "console/panel_texts.h"
#include "console/qt/instrument_box.h"
#include "console/qt/lamp_row.h"
#include "console/qt/panel_text.h"
#include "console/qt/transcript_view.h"

namespace helio {

namespace {

using panel_text::from_rgb;
using panel_text::from_utf8;
using panel_text::show_text;
namespace captions = panel_captions;

constexpr int banner_margin = 6;
constexpr int gap_between_windows = 8;

QLabel* value_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    label->setFont(bold);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

}  // namespace

panel_window::panel_window(form1_model& model, const line_monitor& monitor,
                           virtual_instrument* instrument, std::string_view title, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), monitor_(monitor) {
    setObjectName(QStringLiteral("panel"));
    setWindowTitle(from_utf8(title));
    setAttribute(Qt::WA_QuitOnClose, false);  // closing Form1 alone ends the console

    auto* monitor_column = new QVBoxLayout;
    monitor_column->addWidget(create_lines());
    monitor_column->addWidget(create_transcript(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(monitor_column, 1);
    auto* layout = new QVBoxLayout(this);
    if (instrument != nullptr) {
        instrument_ = new instrument_box(*instrument, monitor, this);
        columns->addWidget(instrument_);
        layout->addWidget(create_banner());
    }
    layout->addLayout(columns, 1);
    resize(instrument != nullptr ? 1140 : 760, 560);

    model_.context().wait_observers.add(*this);
    connect(&timer_, &QTimer::timeout, this, &panel_window::refresh);
    timer_.start(refresh_interval_ms);
}

panel_window::~panel_window() {
    model_.context().wait_observers.remove(*this);
}

QWidget* panel_window::create_banner() {
    auto* banner = new QLabel(from_utf8(captions::simulation_banner), this);
    banner->setObjectName(QStringLiteral("simulation_banner"));
    // Colours through the palette: a style sheet would bring in a whole style engine.
    QPalette colours = banner->palette();
    colours.setColor(QPalette::Window, from_rgb(panel_colours::banner));
    colours.setColor(QPalette::WindowText, Qt::black);
    banner->setPalette(colours);
    banner->setAutoFillBackground(true);
    QFont bold = banner->font();
    bold.setBold(true);
    banner->setFont(bold);
    banner->setMargin(banner_margin);
    return banner;
}

QWidget* panel_window::create_lines() {
    auto* box = new QGroupBox(from_utf8(captions::lines_box), this);
    auto* grid = new QGridLayout(box);
    output_lamps_ = new lamp_row(line_meanings::outputs, from_rgb(panel_colours::output_lit), box);
    input_lamps_ = new lamp_row(line_meanings::inputs, from_rgb(panel_colours::input_lit), box);
    output_lamps_->setObjectName(QStringLiteral("output_lamps"));
    input_lamps_->setObjectName(QStringLiteral("input_lamps"));
    output_value_ = value_label(box);
    input_value_ = value_label(box);
    grid->addWidget(new QLabel(from_utf8(captions::outputs_row), box), 0, 0);
    grid->addWidget(output_lamps_, 0, 1);
    grid->addWidget(output_value_, 0, 2);
    grid->addWidget(new QLabel(from_utf8(captions::inputs_row), box), 1, 0);
    grid->addWidget(input_lamps_, 1, 1);
    grid->addWidget(input_value_, 1, 2);
    wait_ = new QLabel(box);
    counts_ = new QLabel(box);
    grid->addWidget(wait_, 2, 0, 1, 3);
    grid->addWidget(counts_, 3, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* panel_window::create_transcript() {
    auto* box = new QGroupBox(from_utf8(captions::transcript_box), this);
    auto* layout = new QVBoxLayout(box);
    auto* legend = new QLabel(from_utf8(captions::transcript_legend), box);
    legend->setWordWrap(true);
    transcript_ = new transcript_view(monitor_, box);
    layout->addWidget(legend);
    layout->addWidget(transcript_, 1);
    return box;
}

void panel_window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void panel_window::refresh() {
    if (!isVisible()) {
        return;  // shown again, it catches up at once
    }
    output_lamps_->set_value(monitor_.last_output());
    input_lamps_->set_value(monitor_.last_input());
    show_text(output_value_, from_utf8(byte_value_text(monitor_.last_output())));
    show_text(input_value_, from_utf8(byte_value_text(monitor_.last_input())));
    show_text(wait_, from_utf8(wait_label_text(monitor_)));
    show_text(counts_, from_utf8(access_counts_text(monitor_)));
    transcript_->refresh();
    if (instrument_ != nullptr) {
        instrument_->refresh();
    }
}

void show_beside(const QWidget& form, QWidget& panel) {
    const QRect frame = form.frameGeometry();
    panel.move(frame.right() + 1 + gap_between_windows, frame.top());
    panel.setAttribute(Qt::WA_ShowWithoutActivating);
    panel.show();
}

void bring_forward(QWidget& panel) {
    panel.show();
    panel.raise();
    panel.activateWindow();
}

void on_f12(QWidget& form, std::function<void()> open) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F12), &form);
    shortcut->setObjectName(QStringLiteral("open_panel"));
    QObject::connect(shortcut, &QShortcut::activated, &form, std::move(open));
}

namespace {

/// Waits for the first paint of the widget it watches, then hands `then` to the event
/// loop (so that it runs once the paint is over) and goes.
class first_paint_watch final : public QObject {
  public:
    first_paint_watch(QWidget& form, std::function<void()> then)
        : QObject(&form), then_(std::move(then)) {
        form.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(then_));
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

}  // namespace

void after_first_paint(QWidget& form, std::function<void()> then) {
    new first_paint_watch(form, std::move(then));
}

}  // namespace helio
