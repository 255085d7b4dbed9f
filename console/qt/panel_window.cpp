// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/panel_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "console/qt/lamp_row.h"
#include "console/qt/line_list.h"
#include "console/qt/panel_text.h"
#include "console/qt/timing_view.h"
#include "console/window_placement.h"

namespace helio {

namespace {

using panel_text::from_utf8;
using panel_text::rect_of;

/// The sizes only Qt can tell, in the panel's fonts and style.
class qt_metrics final : public panel_metrics {
  public:
    explicit qt_metrics(const QWidget& panel) : plain_(panel.font()), style_(*panel.style()) {
        QComboBox list;
        QPushButton button;
        list.setFont(plain_);
        button.setFont(plain_);
        field_height_ = std::max(list.sizeHint().height(), button.sizeHint().height());
    }

    screen_size text_size(text_style style, std::string_view text, int wrap_width) const override {
        const QRect bounds(0, 0, wrap_width > 0 ? wrap_width : unbounded, unbounded);
        const QRect needed =
            QFontMetrics(panel_text::font_of(style, plain_))
                .boundingRect(bounds, wrap_width > 0 ? Qt::TextWordWrap : 0, from_utf8(text));
        return {needed.width(), needed.height()};
    }
    int check_mark_width() const override {
        return style_.pixelMetric(QStyle::PM_IndicatorWidth) +
               style_.pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4;
    }
    int arrow_width() const override { return style_.pixelMetric(QStyle::PM_ScrollBarExtent) + 8; }
    int field_height() const override { return field_height_; }

  private:
    static constexpr int unbounded = 100000;
    QFont plain_;
    const QStyle& style_;
    int field_height_ = 0;
};

QLabel* banner_label(const QString& caption, QWidget* parent) {
    auto* banner = new QLabel(caption, parent);
    banner->setAlignment(Qt::AlignCenter);
    // Colours through the palette: a style sheet would bring in a whole style engine.
    QPalette colours = banner->palette();
    colours.setColor(QPalette::Window, panel_text::from_rgb(panel_colours::banner));
    colours.setColor(QPalette::WindowText, Qt::black);
    banner->setPalette(colours);
    banner->setAutoFillBackground(true);
    return banner;
}

}  // namespace

panel_window::panel_window(panel_presenter& presenter, QWidget* parent)
    : QWidget(parent, Qt::Window), presenter_(presenter) {
    setObjectName(QStringLiteral("panel"));
    setWindowTitle(from_utf8(presenter_.title()));
    setAttribute(Qt::WA_QuitOnClose, false);  // closing Form1 alone ends the console
    setFont(panel_text::font_of(text_style::plain, font()));
    metrics_ = std::make_unique<qt_metrics>(*this);
    layout_ = std::make_unique<panel_layout>(presenter_.description(), *metrics_);
    timing_layout_ = std::make_unique<panel_layout>(presenter_.timing().description(), *metrics_);
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("pages"));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        tabs_->addTab(from_utf8(panel_presenter::page_titles.at(page)));
        pages_.at(page) = new QWidget(this);
        pages_.at(page)->setVisible(page == 0);
    }
    make_page(0, *layout_);
    make_page(1, *timing_layout_);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int shown) {
        for (std::size_t page = 0; page < pages_.size(); ++page) {
            pages_.at(page)->setVisible(static_cast<int>(page) == shown);
        }
    });
    setMinimumSize(layout_->smallest_size().width, layout_->smallest_size().height + bar_height());
    const screen_size preferred = preferred_size();
    resize(preferred.width, preferred.height);
    draw(presenter_.update());
    draw(presenter_.timing().update());

    presenter_.on_change([this] { refresh(); });
    connect(&timer_, &QTimer::timeout, this, &panel_window::refresh);
    timer_.start(panel_presenter::refresh_interval);
}

panel_window::~panel_window() {
    presenter_.on_change(nullptr);
}

QWidget* panel_window::control(std::string_view name) const {
    const panel_control* found = find_panel_control(presenter_.description(), name);
    if (found == nullptr) {
        found = find_panel_control(presenter_.timing().description(), name);
    }
    const auto made = widgets_.find(found);
    return made == widgets_.end() ? nullptr : made->second;
}

/// The client area both pages want, under the tab bar.
screen_size panel_window::preferred_size() const {
    const screen_size monitor = layout_->preferred_size();
    const screen_size timing = timing_layout_->preferred_size();
    return {std::max(monitor.width, timing.width),
            std::max(monitor.height, timing.height) + bar_height()};
}

void panel_window::make_page(std::size_t page, const panel_layout& layout) {
    for (const auto& [control, place] : layout.place(layout.preferred_size())) {
        widgets_[control] = make(*control, layout.lamps().diameter, pages_.at(page));
    }
}

/// Made in the description's order, each box before what it holds, so that what a box
/// holds is drawn over it.
QWidget* panel_window::make(const panel_control& control, int lamp_diameter, QWidget* page) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case panel_kind::box:
            widget = new QGroupBox(from_utf8(control.caption), page);
            break;
        case panel_kind::banner:
            widget = banner_label(from_utf8(control.caption), page);
            break;
        case panel_kind::lamps:
            widget = new lamp_row(control.items, lamp_diameter, page);
            break;
        case panel_kind::lines:
            widget = new line_list(page);
            break;
        case panel_kind::chart:
            widget = new timing_view(page);
            break;
        case panel_kind::label:
        case panel_kind::text:
        case panel_kind::value: {
            auto* label = new QLabel(from_utf8(control.caption), page);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        default:
            widget = make_switch(control, page);
    }
    widget->setFont(panel_text::font_of(style_of(control.kind), font()));
    widget->setObjectName(from_utf8(control.name));
    widget->setToolTip(from_utf8(control.tip));
    if (control.ink) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::Text, panel_text::from_rgb(*control.ink));
        widget->setPalette(colours);
    }
    return widget;
}

QWidget* panel_window::make_switch(const panel_control& control, QWidget* page) {
    const std::string_view name = control.name;
    const QString caption = from_utf8(control.caption);
    if (control.kind == panel_kind::check) {
        auto* box = new QCheckBox(caption, page);
        connect(box, &QCheckBox::toggled, this,
                [this, name](bool on) { presenter_.toggled(name, on); });
        return box;
    }
    if (control.kind == panel_kind::button) {
        auto* button = new QPushButton(caption, page);
        connect(button, &QPushButton::clicked, this, [this, name] { presenter_.pressed(name); });
        return button;
    }
    auto* list = new QComboBox(page);
    for (const std::string& item : control.items) {
        list->addItem(from_utf8(item));
    }
    if (control.kind == panel_kind::entry) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        connect(list, &QComboBox::editTextChanged, this,
                [this, name](const QString& text) { presenter_.typed(name, text.toStdString()); });
    } else {
        connect(list, &QComboBox::currentIndexChanged, this, [this, name](int index) {
            presenter_.chosen(name, static_cast<std::size_t>(index));
        });
    }
    return list;
}

void panel_window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lay_out();
}

void panel_window::lay_out() {
    const int bar = bar_height();
    tabs_->setGeometry(0, 0, width(), bar);
    const screen_size page{width(), height() - bar};
    for (const panel_layout* layout : {layout_.get(), timing_layout_.get()}) {
        for (const auto& [control, place] : layout->place(page)) {
            widgets_.at(control)->setGeometry(rect_of(place));
        }
    }
    for (QWidget* each : pages_) {
        each->setGeometry(0, bar, page.width, page.height);
    }
}

void panel_window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void panel_window::refresh() {
    if (isVisible()) {  // hidden, it catches up once shown again
        draw(presenter_.update());
        draw(presenter_.timing().update());
    }
}

void panel_window::draw(const panel_update& update) {
    for (const auto& [name, value] : update.controls) {
        QWidget* widget = control(name);
        const QSignalBlocker quiet(widget);  // what is drawn is not the maintainer's doing
        std::visit(
            drawn_by{
                [widget](const std::string& text) {
                    panel_text::show_text(qobject_cast<QLabel*>(widget), from_utf8(text));
                },
                [widget](bool on) { qobject_cast<QCheckBox*>(widget)->setChecked(on); },
                [widget](std::size_t index) {
                    qobject_cast<QComboBox*>(widget)->setCurrentIndex(static_cast<int>(index));
                },
                [widget](const lamp_colours& colours) {
                    qobject_cast<lamp_row*>(widget)->show_colours(colours);
                },
                [widget](const list_changes& changes) {
                    qobject_cast<line_list*>(widget)->show_changes(changes);
                },
                [widget](const timing_drawing& drawing) {
                    qobject_cast<timing_view*>(widget)->show_drawing(drawing);
                },
            },
            value);
    }
    if (update.relayout) {
        lay_out();
    }
}

void panel_window::move_beside(const QWidget& form) {
    const QRect frame = form.frameGeometry();
    // The window manager frames both windows alike.
    const QSize decoration = frame.size() - form.size();
    // The tab bar is taken from the client area like the window's frame.
    const screen_rect place =
        place_panel(*layout_, rect_of(frame), rect_of(form.screen()->availableGeometry()),
                    {decoration.width(), decoration.height() + bar_height()});
    setMinimumSize(layout_->smallest_size().width, layout_->smallest_size().height + bar_height());
    move(place.left, place.top);
    resize(QSize(place.width, place.height) - decoration);
    lay_out();  // narrowed, it may keep its size and still move its widgets
}

void show_beside(const QWidget& form, panel_window& panel) {
    panel.move_beside(form);
    panel.setAttribute(Qt::WA_ShowWithoutActivating);
    panel.show();
}

void bring_forward(QWidget& panel) {
    panel.show();
    panel.raise();
    panel.activateWindow();
}

}  // namespace helio
