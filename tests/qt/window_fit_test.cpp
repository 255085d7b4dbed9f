// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
// Run once per display scale (QT_SCALE_FACTOR and a screen of that scale's size): both
// windows as the console opens them, every text whole, nothing laid over anything else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <iostream>

#include "console/form_layout.h"
#include "console/panel_texts.h"
#include "console/qt/form1.h"
#include "console/qt/lamp_row.h"
#include "console/qt/panel_text.h"
#include "console/qt/panel_window.h"
#include "console/qt/timing_view.h"
#include "panel_fixture.h"
#include "support/window_fit.h"

namespace helio {
namespace {

screen_rect on_screen(const QWidget& widget, const QRect& rect) {
    const QPoint origin = widget.mapToGlobal(rect.topLeft());
    return {origin.x(), origin.y(), rect.width(), rect.height()};
}

screen_size size_of(const QSize& size) {
    return {size.width(), size.height()};
}

screen_size one_line(const QWidget& widget, const QString& text) {
    return size_of(widget.fontMetrics().size(Qt::TextSingleLine, text));
}

/// `holds_others`: a box or a row, which holds what lies within it.
test::shown_control control_of(const QString& name, const QWidget& widget, const QRect& room,
                               screen_size text, bool holds_others = false) {
    return {name.toStdString(), on_screen(*widget.parentWidget(), widget.geometry()),
            size_of(room.size()), text, holds_others};
}

/// The room a push button or a check box leaves its caption, as the style draws it.
test::shown_control button_of(const QAbstractButton& button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return control_of(button.objectName(), button, room, one_line(button, button.text()));
}

test::shown_control label_of(const QLabel& label) {
    const QRect room = label.contentsRect();
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QSize text = label.text().isEmpty() ? QSize()
                                              : label.fontMetrics()
                                                    .boundingRect(QRect(0, 0, room.width(), 100000),
                                                                  flags, label.text())
                                                    .size();
    return control_of(label.objectName(), label, room, size_of(text));
}

/// Its edit field holds the widest of its lines.
test::shown_control list_of(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    const QRect room = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &list);
    screen_size widest{};
    for (int i = 0; i < list.count(); ++i) {
        const screen_size line = one_line(list, list.itemText(i));
        widest = {std::max(widest.width, line.width), std::max(widest.height, line.height)};
    }
    return control_of(list.objectName(), list, room, widest);
}

/// The box, which holds what lies within it, and its title, which nothing may cover.
void add_box(const QGroupBox& box, std::vector<test::shown_control>& into) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    into.push_back(control_of(box.title(), box, box.rect(), {}, true));
    into.push_back({box.title().toStdString() + " (title)", on_screen(box, title),
                    size_of(box.rect().size()), one_line(box, box.title())});
}

/// The row, and each lamp's caption in its cell, wrapped between words.
void add_lamps(const lamp_row& row, const std::vector<std::string>& captions,
               std::vector<test::shown_control>& into) {
    into.push_back(control_of(row.objectName(), row, row.rect(), {}, true));
    for (int position = 0; position < 8; ++position) {
        const QRect cell = row.caption_rect(position);
        const QString caption = panel_text::from_utf8(captions.at(std::size_t(position)));
        const QSize text = row.fontMetrics()
                               .boundingRect(QRect(0, 0, cell.width(), 100000),
                                             Qt::TextWordWrap | Qt::AlignHCenter, caption)
                               .size();
        into.push_back({row.objectName().toStdString() + " " + caption.toStdString(),
                        on_screen(row, cell), size_of(cell.size()), size_of(text)});
    }
}

/// `widget` measured as the style draws its kind; the setpoint entry holds three digits, the
/// most the setpoint has.
void add_shown(const QWidget& widget, const panel_control& root,
               std::vector<test::shown_control>& into) {
    if (auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        add_box(*box, into);
    } else if (auto* row = qobject_cast<const lamp_row*>(&widget)) {
        add_lamps(*row, find_panel_control(root, row->objectName().toStdString())->items, into);
    } else if (auto* check = qobject_cast<const QCheckBox*>(&widget)) {
        into.push_back(button_of(*check, QStyle::SE_CheckBoxContents));
    } else if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        into.push_back(button_of(*button, QStyle::SE_PushButtonContents));
    } else if (auto* list = qobject_cast<const QComboBox*>(&widget)) {
        into.push_back(list_of(*list));
    } else if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        into.push_back(label_of(*label));
    } else if (auto* chart = qobject_cast<const timing_view*>(&widget)) {  // the press whole
        into.push_back(control_of(chart->objectName(), *chart, chart->viewport()->geometry(),
                                  size_of(chart->drawing_size())));
    } else if (auto* entry = qobject_cast<const QLineEdit*>(&widget)) {
        QStyleOptionFrame option;
        option.initFrom(entry);
        const QRect room =
            entry->style()->subElementRect(QStyle::SE_LineEditContents, &option, entry);
        into.push_back(control_of(entry->objectName(), *entry, room, one_line(*entry, "888")));
    } else {  // a list of lines, which scrolls
        into.push_back(control_of(widget.objectName(), widget, widget.rect(), {}));
    }
}

test::shown_window shown(const QWidget& window, const std::vector<const QWidget*>& widgets,
                         const panel_control& root) {
    std::vector<test::shown_control> controls;
    for (const QWidget* widget : widgets) {
        add_shown(*widget, root, controls);
    }
    const QRect frame = window.frameGeometry();
    return {window.objectName().toStdString(),
            {frame.x(), frame.y(), frame.width(), frame.height()},
            on_screen(window, window.rect()),
            std::move(controls)};
}

/// Both windows as the console opens them, every line of state the panel shows holding the
/// longest text it may have.
class WindowFit : public PanelViewTest {
  protected:
    WindowFit() {
        show_longest_texts();
        panel.refresh();
        QCoreApplication::processEvents();
    }
};

TEST_F(WindowFit, EveryTextWholeNothingCoveredBothWindowsOnTheScreen) {
    const QRect work = window.screen()->availableGeometry();
    std::vector<const QWidget*> form1_controls;
    for (const layout::control_spec& item : layout::controls) {
        form1_controls.push_back(window.control(item.name));
    }
    auto* pages = panel.findChild<QTabBar*>(QStringLiteral("pages"));
    ASSERT_NE(pages, nullptr);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        std::vector<const QWidget*> panel_controls{pages};
        for (const QWidget* part : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (part != pages && part->isVisible()) {  // the page shown
                const auto on_page = part->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
                panel_controls.insert(panel_controls.end(), on_page.begin(), on_page.end());
            }
        }
        const std::vector<test::shown_window> windows{
            shown(window, form1_controls, presenter.description()),
            shown(panel, panel_controls, presenter.description())};
        const double scale = window.devicePixelRatioF();
        std::cout << "scale " << scale << ", work area " << work.width() * scale << "x"
                  << work.height() * scale << ", page " << page << ": "
                  << test::window_sizes(windows) << " (device-independent pixels)\n";
        EXPECT_EQ(test::fit_faults(windows, {work.x(), work.y(), work.width(), work.height()}),
                  std::vector<std::string>{})
            << "page " << page;
    }
}

}  // namespace
}  // namespace helio
