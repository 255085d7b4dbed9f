// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/panel_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "console/panel_texts.h"
#include "console/qt/instrument_box.h"
#include "console/qt/lamp_row.h"
#include "console/qt/line_list.h"
#include "console/qt/panel_text.h"
#include "console/window_placement.h"

namespace helio {

namespace {

using panel_text::from_utf8;
using panel_text::show_text;
namespace captions = panel_captions;

constexpr int gap_between_windows = 8;
constexpr int transcript_lines_in_sight = 20;

QLabel* value_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    label->setFont(bold);
    return label;
}

screen_rect rect_of(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

panel_window::panel_window(panel_presenter& presenter, QWidget* parent)
    : QWidget(parent, Qt::Window), presenter_(presenter) {
    setObjectName(QStringLiteral("panel"));
    setWindowTitle(from_utf8(presenter_.title()));
    setAttribute(Qt::WA_QuitOnClose, false);  // closing Form1 alone ends the console
    setFont(panel_text::dialog_font(font()));

    auto* monitor_column = new QVBoxLayout;
    monitor_column->addWidget(create_lines());
    monitor_column->addWidget(create_transcript(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(monitor_column, 1);
    auto* layout = new QVBoxLayout(this);
    if (presenter_.shows_instrument()) {
        layout->addWidget(create_banner());
        instrument_ = new instrument_box(presenter_, this);
        connect(instrument_, &instrument_box::changed, this, &panel_window::refresh);
        columns->addWidget(instrument_);
    }
    layout->addLayout(columns, 1);
    resize(sizeHint());
    draw(presenter_.update());

    presenter_.on_keep_alive([this] { refresh(); });
    connect(&timer_, &QTimer::timeout, this, &panel_window::refresh);
    timer_.start(panel_presenter::refresh_interval);
}

panel_window::~panel_window() {
    presenter_.on_keep_alive(nullptr);
}

QWidget* panel_window::create_banner() {
    auto* banner = new QLabel(from_utf8(captions::simulation_banner), this);
    banner->setObjectName(QStringLiteral("simulation_banner"));
    banner->setWordWrap(true);
    // Colours through the palette: a style sheet would bring in a whole style engine.
    QPalette colours = banner->palette();
    colours.setColor(QPalette::Window, panel_text::from_rgb(panel_colours::banner));
    colours.setColor(QPalette::WindowText, Qt::black);
    banner->setPalette(colours);
    banner->setAutoFillBackground(true);
    QFont bold = banner->font();
    bold.setBold(true);
    banner->setFont(bold);
    banner->setMargin(banner->fontMetrics().height() / 3);
    return banner;
}

QWidget* panel_window::create_lines() {
    auto* box = new QGroupBox(from_utf8(captions::lines_box), this);
    auto* grid = new QGridLayout(box);
    output_lamps_ = new lamp_row(panel_presenter::output_lamp_captions(), box);
    input_lamps_ = new lamp_row(panel_presenter::input_lamp_captions(), box);
    output_value_ = value_label(box);
    input_value_ = value_label(box);
    int row = 0;
    for (auto [caption, lamps, value] :
         {std::tuple{captions::outputs_row, output_lamps_, output_value_},
          std::tuple{captions::inputs_row, input_lamps_, input_value_}}) {
        auto* label = new QVBoxLayout;
        label->addWidget(new QLabel(from_utf8(caption), box));
        label->addWidget(value);
        label->addStretch(1);
        grid->addLayout(label, row, 0);
        grid->addWidget(lamps, row++, 1);
    }
    const int cell =
        std::max(output_lamps_->natural_cell_width(), input_lamps_->natural_cell_width());
    output_lamps_->set_cell_width(cell);
    input_lamps_->set_cell_width(cell);
    output_lamps_->setObjectName(QStringLiteral("output_lamps"));
    input_lamps_->setObjectName(QStringLiteral("input_lamps"));
    wait_ = new QLabel(box);
    counts_ = new QLabel(box);
    status_lines_ = new QLabel(box);
    status_lines_->setWordWrap(true);
    for (QLabel* label : {wait_, counts_, status_lines_}) {
        grid->addWidget(label, row++, 0, 1, 2);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* panel_window::create_transcript() {
    auto* box = new QGroupBox(from_utf8(captions::transcript_box), this);
    auto* layout = new QVBoxLayout(box);
    auto* legend = new QLabel(from_utf8(captions::transcript_legend), box);
    legend->setWordWrap(true);
    transcript_ = new line_list(transcript_lines_in_sight, box);
    transcript_->setObjectName(QStringLiteral("transcript"));
    layout->addWidget(legend);
    layout->addWidget(transcript_, 1);
    return box;
}

void panel_window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void panel_window::refresh() {
    if (isVisible()) {
        draw(presenter_.update());  // hidden, it catches up once shown again
    }
}

void panel_window::draw(const panel_update& update) {
    const monitor_state& monitor = update.monitor;
    output_lamps_->show_colours(monitor.outputs.colours);
    input_lamps_->show_colours(monitor.inputs.colours);
    show_text(output_value_, from_utf8(monitor.outputs.value));
    show_text(input_value_, from_utf8(monitor.inputs.value));
    show_text(wait_, from_utf8(monitor.wait));
    show_text(counts_, from_utf8(monitor.counts));
    show_text(status_lines_, panel_text::joined(monitor.status_lines));
    status_lines_->setVisible(!monitor.status_lines.empty());
    transcript_->show_changes(update.transcript);
    if (instrument_ != nullptr && update.instrument) {
        instrument_->draw(*update.instrument, update.violations);
    }
}

void show_beside(const QWidget& form, QWidget& panel) {
    const QRect frame = form.frameGeometry();
    // The window manager frames both windows alike.
    const QSize decoration = frame.size() - form.size();
    const QSize wanted = panel.size() + decoration;
    const QSize smallest = panel.minimumSizeHint() + decoration;
    const screen_rect place = place_beside(
        rect_of(frame), {wanted.width(), wanted.height()}, {smallest.width(), smallest.height()},
        rect_of(form.screen()->availableGeometry()), gap_between_windows);
    panel.move(place.left, place.top);
    panel.resize(QSize(place.width, place.height) - decoration);
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
