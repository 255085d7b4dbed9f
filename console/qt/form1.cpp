// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include "console/caption_fit.h"
#include "console/form_layout.h"
#include "console/log_scroll.h"

namespace layout = helio::layout;

namespace {

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int button_text_margin = 8;  // pixels the push button's frame keeps on both sides

/// The desktop's own family, at the size at which every caption fits its control.
QFont dialog_font(QFont font, int dpi) {
    font.setPointSizeF(layout::dialog_font_points([&](double points) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font);
        constexpr int unbounded = 100000;
        return layout::captions_fit({[&](std::string_view caption) {
                                         return metrics.horizontalAdvance(from_utf8(caption));
                                     },
                                     [&](std::string_view caption, int width) {
                                         return metrics
                                             .boundingRect(QRect(0, 0, width, unbounded),
                                                           Qt::TextWordWrap, from_utf8(caption))
                                             .height();
                                     },
                                     button_text_margin},
                                    dpi);
    }));
    return font;
}

void show_message_box(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, from_utf8(layout::window_title), message);
}

}  // namespace

Form1::Form1(helio::form1_model& model, QWidget* parent)
    : QWidget(parent), model_(model), present_error_(show_message_box) {
    setObjectName("Form1");
    setWindowTitle(from_utf8(layout::window_title));
    setFont(dialog_font(font(), logicalDpiX()));
    const int dpi_x = logicalDpiX();
    const int dpi_y = logicalDpiY();
    resize(layout::twips_to_pixels(layout::client_width_twips, dpi_x),
           layout::twips_to_pixels(layout::client_height_twips, dpi_y));
    create_controls();
    model_.set_host(this);
}

Form1::~Form1() {
    model_.set_host(nullptr);
}

QWidget* Form1::control(std::string_view name) const {
    return findChild<QWidget*>(from_utf8(name), Qt::FindDirectChildrenOnly);
}

/// Made in table order, which Qt takes for the tab order.
void Form1::create_controls() {
    for (const layout::control_spec& item : layout::controls) {
        QWidget* widget = create_control(item);
        widget->setObjectName(from_utf8(item.name));
        widget->setGeometry(layout::twips_to_pixels(item.left, logicalDpiX()),
                            layout::twips_to_pixels(item.top, logicalDpiY()),
                            layout::twips_to_pixels(item.width, logicalDpiX()),
                            layout::twips_to_pixels(item.height, logicalDpiY()));
    }
}

QWidget* Form1::create_control(const helio::layout::control_spec& item) {
    const QString caption = from_utf8(item.caption);
    switch (item.kind) {
        case layout::control_kind::button: {
            auto* button = new QPushButton(caption, this);
            connect(button, &QPushButton::clicked, this, [this, &item] { model_.press(item); });
            return button;
        }
        case layout::control_kind::label: {
            auto* label = new QLabel(caption, this);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case layout::control_kind::text_entry: {
            auto* entry = new QLineEdit(caption, this);
            entry->setMaxLength(static_cast<int>(layout::setpoint_entry_max_length));
            entry->setToolTip(from_utf8(layout::setpoint_entry_tooltip));
            connect(entry, &QLineEdit::textChanged, this,
                    [this](const QString& text) { model_.Text1_Change(text.toStdString()); });
            return entry;
        }
    }
    return nullptr;
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    const auto& lines = model_.messages();
    const std::size_t first =
        helio::first_visible_line(lines.size(), metrics.lineSpacing(), height());
    int baseline = metrics.ascent();
    for (auto line = lines.begin() + static_cast<std::ptrdiff_t>(first);
         line != lines.end() && baseline - metrics.ascent() < height(); ++line) {
        painter.drawText(0, baseline, QString::fromStdString(*line));
        baseline += metrics.lineSpacing();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    event->setAccepted(model_.may_close());
}

void Form1::show_error(const std::string& message) {
    present_error_(this, QString::fromStdString(message));
}

void Form1::show_busy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void Form1::close_window() {
    close();
}

void Form1::keep_alive() {
    // Paint and let the window system talk to us, but hold every click and key press back
    // until the sequence has ended. A sequence started by a posted call (a remote command)
    // runs inside the delivery of posted events, and the GLib event loop then delivers no
    // more of them in a nested loop unless a new one is posted: a repaint asked for before
    // it would wait until the sequence ends, and update() asks for no second one.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Form1::line_logged(const std::string& /*text*/) {
    update();
}

namespace helio {

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
