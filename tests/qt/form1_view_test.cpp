// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <utility>

#include "app/trace_sink.h"
#include "console/form_layout.h"
#include "console/qt/locale_number_format.h"
#include "console/qt/panel_text.h"
#include "support/every_button_script.h"
#include "support/simulated_console.h"

namespace {

namespace layout = helio::layout;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

/// The Qt window over the model over the simulated heliograph, in real time with the
/// mechanisms ten times as fast.
class Form1ViewTest : public ::testing::Test, protected helio::test::simulated_console {
  protected:
    Form1ViewTest()
        : simulated_console(
              helio::test::make_sim().real_time().travel_scale(0.1).decimal_separator(".")) {
        window.set_error_presenter(
            [this](QWidget*, const QString& message) { errors.push_back(message); });
        window.show();
    }

    int px_x(int twips) const { return layout::twips_to_pixels(twips, window.logicalDpiX()); }
    int px_y(int twips) const { return layout::twips_to_pixels(twips, window.logicalDpiY()); }

    void click(std::string_view name) {
        auto* button = qobject_cast<QPushButton*>(window.control(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    Form1 window{model};
    std::vector<QString> errors;
};

TEST_F(Form1ViewTest, TheWindowAndEveryControlSitWhereTheTablePutsThemWithTheirCaptions) {
    EXPECT_EQ(window.windowTitle(), "COMMANDES TTL HELIOGRAPHE");
    EXPECT_EQ(window.width(), px_x(5205));
    EXPECT_EQ(window.height(), px_y(5475));
    for (const layout::control_spec& item : layout::controls) {
        QWidget* widget = window.control(item.name);
        ASSERT_NE(widget, nullptr) << item.name;
        EXPECT_EQ(widget->geometry(),
                  QRect(px_x(item.left), px_y(item.top), px_x(item.width), px_y(item.height)))
            << item.name;
        QString caption;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            caption = button->text();
            EXPECT_EQ(item.kind, layout::control_kind::button);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
            EXPECT_EQ(item.kind, layout::control_kind::label);
        } else if (auto* entry = qobject_cast<QLineEdit*>(widget)) {
            caption = entry->text();
            EXPECT_EQ(item.kind, layout::control_kind::text_entry);
        }
        EXPECT_EQ(caption, helio::panel_text::from_utf8(item.caption)) << item.name;
    }
    EXPECT_EQ(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
              std::ssize(layout::controls))
        << "Form1 has no control the table does not list";
    window.close();
    EXPECT_EQ(factory.accesses(), 0u) << "nothing is read or written at start or at exit";
}

TEST_F(Form1ViewTest, TabMovesThroughTheControlsInTableOrder) {
    QWidget* widget = window.control("Command1");
    for (const layout::control_spec& item : layout::controls) {
        if (item.kind == layout::control_kind::label) {
            continue;
        }
        EXPECT_EQ(widget->objectName().toStdString(), item.name);
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget == &window);
    }
}

TEST_F(Form1ViewTest, TheEntryTakesThreeCharactersAndGoOnAnEmptyOneShowsAMessage) {
    auto* entry = qobject_cast<QLineEdit*>(window.control("Text1"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->toolTip(), "Entrez la consigne, puis cliquez sur GO");
    entry->setFocus();
    QTest::keyClicks(entry, "1789");
    EXPECT_EQ(entry->text(), "178");
    EXPECT_EQ(model.consigne(), "178");
    QTest::keyClick(entry, Qt::Key_Backspace);
    EXPECT_EQ(model.consigne(), "17");
    entry->clear();
    entry->insert(QString::fromUtf8("à1"));  // QTest types ASCII only
    EXPECT_EQ(model.consigne(),
              "\xC3\xA0"
              "1");

    entry->clear();
    click("Command10");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains(QString::fromUtf8("Aucune consigne")));
    EXPECT_THAT(model.messages(), IsEmpty());
    QTest::keyClicks(entry, "128");
    click("Command10");
    EXPECT_EQ(model.messages().back(), "Consigne = 128") << "the window goes on";
}

/// Dark pixels in `area` of the window as painted now.
int ink(QWidget& window, const QRect& area) {
    const QImage image = window.grab(area).toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

TEST_F(Form1ViewTest, AFullLogScrollsSoThatTheNewestLineIsTheLastShown) {
    const int spacing = QFontMetrics(window.font()).lineSpacing();
    const int shown = window.height() / spacing;
    // The strip left of every control: only the log is drawn there.
    const auto line_strip = [&](int row) { return QRect(0, row * spacing, 14, spacing); };
    for (int i = 0; i < shown; ++i) {
        device.log_line("WWWW");
    }
    window.repaint();
    EXPECT_GT(ink(window, line_strip(shown - 1)), 0) << "the window holds " << shown << " lines";
    for (int i = 0; i < shown; ++i) {
        device.log_line("");
    }
    window.repaint();
    EXPECT_EQ(ink(window, QRect(0, 0, 14, window.height())), 0) << "only the empty newest lines";
    device.log_line("WWWW");
    window.repaint();
    EXPECT_GT(ink(window, line_strip(shown - 1)), 0) << "the newest line, last";
    EXPECT_EQ(ink(window, line_strip(shown - 2)), 0);
    EXPECT_EQ(ink(window, QRect(0, shown * spacing, 14, window.height())), 0) << "none below";
}

TEST_F(Form1ViewTest, EveryButtonPressedInTheWindowSendsItsBytesAndLogsItsLines) {
    // A directory of its own: the suite may run in several processes at once.
    const QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const std::string trace_path = directory.filePath("trace.txt").toStdString();
    {
        helio::trace_sink trace(trace_path, device);
        helio::test::play_every_button(model, [&](const helio::test::scripted_press& press) {
            if (!press.typed.empty()) {
                auto* entry = qobject_cast<QLineEdit*>(window.control("Text1"));
                entry->clear();
                QTest::keyClicks(entry, helio::panel_text::from_utf8(press.typed));
            }
            click(press.control);
        });
    }
    std::ifstream trace(trace_path);
    EXPECT_EQ(helio::test::trace_without_reads(trace), helio::test::every_button_trace());
    EXPECT_THAT(errors, IsEmpty());
    EXPECT_TRUE(controller.violations().clean());
}

TEST_F(Form1ViewTest, APressMadeDuringASequenceRunsOnceItEnds) {
    // The mirror at its own speed: a loaded machine may leave a 150 ms wait without the
    // keep-alive the press is made from.
    controller.set_travel_scale(1);
    auto* init = qobject_cast<QPushButton*>(window.control("Command9"));
    const std::pair<const char*, std::function<void()>> presses[] = {
        {"a queued invocation",
         [init] { QMetaObject::invokeMethod(init, "click", Qt::QueuedConnection); }},
        {"an accessibility press",
         [init] {
             QAccessibleInterface* button = QAccessible::queryAccessibleInterface(init);
             ASSERT_NE(button, nullptr);
             ASSERT_NE(button->actionInterface(), nullptr);
             button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
         }},
    };
    for (const auto& [how, press] : presses) {
        click("Command2");  // the mirror to the CCD stop, so that VISEE waits
        ports.writes.clear();
        // Pressed from inside the first keep-alive of a wait, as something other than the
        // mouse would: the press reaches the window while the sequence holds it.
        bool pressed = false;
        helio::test::keep_alive_probe once(device, [&, press = press] {
            if (!std::exchange(pressed, true)) {
                press();
            }
        });
        click("Command1");
        // An accessibility press is an animated click: the button comes up and clicks 100 ms
        // later by the wall clock, during the wait or, on a loaded machine, just after it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return ports.writes.size() >= 5; }, 2000)) << how;
        EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0, 0)) << how << ": INIT after VISEE";
    }
    EXPECT_TRUE(controller.violations().clean());
}

TEST(LocaleNumberFormat, GoReadsTheEntryAsTheLocaleWritesNumbers) {
    const helio::portable_text_to_integer french(
        helio::locale_number_format(QLocale(QLocale::French, QLocale::France)));
    const helio::portable_text_to_integer english(
        helio::locale_number_format(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_EQ(french.to_int32("3,5"), 4);
    EXPECT_EQ(french.to_int32("1 28"), 128) << "a space groups thousands";
    EXPECT_EQ(french.to_int32("35\xE2\x82\xAC"), 35);
    EXPECT_EQ(english.to_int32("3,5"), 35);
    EXPECT_EQ(english.to_int32("$35"), 35);
    EXPECT_EQ(english.to_int32("3.5"), 4);
}

TEST_F(Form1ViewTest, DuringASequenceTheCursorIsBusyAndAClosingWaitsForItsEnd) {
    bool closed = false;
    bool still_visible = false;  // closed from inside the wait, as the title bar's cross would
    bool busy_cursor_seen = false;
    helio::test::keep_alive_probe closer(device, [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        busy_cursor_seen = busy_cursor_seen || (cursor && cursor->shape() == Qt::WaitCursor);
        if (!std::exchange(closed, true)) {
            window.close();
            still_visible = window.isVisible();
        }
    });
    click("Command1");  // mirror travel, 150 ms at this scale
    EXPECT_TRUE(busy_cursor_seen);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "once the sequence ended";
    EXPECT_TRUE(still_visible) << "the close must wait for the sequence";
    EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0));
    EXPECT_THAT(model.messages(), ElementsAre("Visee positionnee"));
    EXPECT_FALSE(window.isVisible()) << "and happen once it ended";
}

}  // namespace
