// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/panel_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "console/qt/lamp_row.h"
#include "console/qt/line_list.h"
#include "console/qt/panel_text.h"
#include "console/window_placement.h"

namespace helio {

namespace {

using panel_text::from_utf8;

constexpr int gap_between_windows = 8;
constexpr int entry_characters = 24;  // a status's code and name; the list opens wider

QLabel* banner_label(const QString& caption, QWidget* parent) {
    auto* banner = new QLabel(caption, parent);
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
    setLayout(make(presenter_.description()).layout);
    // Rows of lamps one above the other share their cells' width, so that their bits line up.
    const QList<lamp_row*> rows = findChildren<lamp_row*>();
    const auto widest = std::ranges::max(rows, {}, &lamp_row::natural_cell_width);
    for (lamp_row* row : rows) {
        row->set_cell_width(widest->natural_cell_width());
    }
    resize(sizeHint());
    draw(presenter_.update());

    presenter_.on_keep_alive([this] { refresh(); });
    connect(&timer_, &QTimer::timeout, this, &panel_window::refresh);
    timer_.start(panel_presenter::refresh_interval);
}

panel_window::~panel_window() {
    presenter_.on_keep_alive(nullptr);
}

QWidget* panel_window::control(std::string_view name) const {
    const auto found = named_.find(name);
    return found == named_.end() ? nullptr : found->second;
}

panel_window::made panel_window::make(const panel_control& control) {
    switch (control.kind) {
        case control_kind::column:
        case control_kind::row:
        case control_kind::pairs:
        case control_kind::box:
            return make_group(control);
        default:
            return {.widget = make_widget(control)};
    }
}

panel_window::made panel_window::make_group(const panel_control& control) {
    QLayout* layout = nullptr;
    if (control.kind == control_kind::pairs) {
        auto* grid = new QGridLayout;
        for (int at = 0; const panel_control& child : control.children) {
            const made part = make(child);
            const int row = at / 2;
            const int column = at++ % 2;
            if (auto* label = qobject_cast<QLabel*>(part.widget); label != nullptr && column == 0) {
                label->setWordWrap(false);  // the labels of pairs line up on one line each
            }
            part.widget ? grid->addWidget(part.widget, row, column)
                        : grid->addLayout(part.layout, row, column);
        }
        grid->setColumnStretch(1, 1);
        layout = grid;
    } else {
        QBoxLayout* box = control.kind == control_kind::row
                              ? static_cast<QBoxLayout*>(new QHBoxLayout)
                              : new QVBoxLayout;
        for (const panel_control& child : control.children) {
            const made part = make(child);
            const int stretch = child.stretch ? 1 : 0;
            part.widget ? box->addWidget(part.widget, stretch)
                        : box->addLayout(part.layout, stretch);
        }
        if (std::ranges::none_of(control.children, &panel_control::stretch)) {
            box->addStretch(1);
        }
        layout = box;
    }
    if (control.kind != control_kind::box) {
        return {.layout = layout};
    }
    auto* frame = new QGroupBox(from_utf8(control.caption), this);
    frame->setLayout(layout);
    return {.widget = frame};
}

QWidget* panel_window::make_widget(const panel_control& control) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case control_kind::banner:
            widget = banner_label(from_utf8(control.caption), this);
            break;
        case control_kind::value:
            widget = value_label(this);
            break;
        case control_kind::lamps:
            widget = new lamp_row(control.items, this);
            break;
        case control_kind::lines:
            widget = new line_list(control.lines, control.ink, this);
            break;
        case control_kind::check:
        case control_kind::choice:
        case control_kind::entry:
        case control_kind::button:
            widget = make_switch(control);
            break;
        default: {
            auto* label = new QLabel(from_utf8(control.caption), this);
            label->setWordWrap(true);
            widget = label;
        }
    }
    if (!control.name.empty()) {
        widget->setObjectName(from_utf8(control.name));
        named_.emplace(control.name, widget);
    }
    if (!control.tip.empty()) {
        widget->setToolTip(from_utf8(control.tip));
    }
    return widget;
}

QWidget* panel_window::make_switch(const panel_control& control) {
    const std::string_view name = control.name;
    const QString caption = from_utf8(control.caption);
    if (control.kind == control_kind::check) {
        auto* box = new QCheckBox(caption, this);
        connect(box, &QCheckBox::toggled, this, [this, name](bool on) {
            presenter_.toggled(name, on);
            refresh();
        });
        return box;
    }
    if (control.kind == control_kind::button) {
        auto* button = new QPushButton(caption, this);
        connect(button, &QPushButton::clicked, this, [this, name] {
            presenter_.pressed(name);
            refresh();
        });
        return button;
    }
    auto* list = new QComboBox(this);
    for (const std::string& item : control.items) {
        list->addItem(from_utf8(item));
    }
    if (control.kind == control_kind::entry) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(entry_characters);
        connect(list, &QComboBox::editTextChanged, this,
                [this, name](const QString& text) { presenter_.typed(name, text.toStdString()); });
    } else {
        connect(list, &QComboBox::currentIndexChanged, this, [this, name](int index) {
            presenter_.chosen(name, static_cast<std::size_t>(index));
            refresh();
        });
    }
    return list;
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
            },
            value);
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
