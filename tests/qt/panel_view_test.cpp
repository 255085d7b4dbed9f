// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/panel_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "console/form_layout.h"
#include "console/panel_texts.h"
#include "console/qt/form1.h"
#include "console/qt/instrument_box.h"
#include "console/qt/lamp_row.h"
#include "console/qt/transcript_view.h"
#include "simulator/heliograph_controller.h"
#include "simulator/simulated_device.h"
#include "support/recorders.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

/// A run of identical reads as the transcript shows it: the byte and how many.
using read_run = std::pair<int, std::uint64_t>;

std::vector<read_run> runs_of(const std::vector<std::string>& events) {
    std::vector<read_run> runs;
    for (const std::string& event : events) {
        if (event.starts_with("R ")) {
            const int value = std::stoi(event.substr(2));
            if (!runs.empty() && runs.back().first == value) {
                ++runs.back().second;
            } else {
                runs.emplace_back(value, 1);
            }
        } else {
            runs.emplace_back(-1, 0);  // anything else ends a run
        }
    }
    std::erase_if(runs, [](const read_run& run) { return run.first < 0; });
    return runs;
}

/// Form1 and the panel over the simulated heliograph, on simulated time.
class PanelViewTest : public ::testing::Test {
  protected:
    PanelViewTest() {
        lines.add_observer(ports);
        window.set_error_presenter(
            [this](QWidget*, const QString& message) { errors.push_back(message); });
        helio::on_f12(window, [this] { helio::bring_forward(panel); });
        window.show();
        helio::show_beside(window, panel);
    }

    void click(std::string_view name) {
        auto* button = qobject_cast<QPushButton*>(window.control(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        panel.refresh();
    }

    template <class Widget>
    Widget* find(const char* name) const {
        auto* widget = panel.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString label(const char* name) const { return find<QLabel>(name)->text(); }

    QStringList transcript_lines() const {
        return panel.transcript().toPlainText().split('\n', Qt::SkipEmptyParts);
    }

    std::vector<std::int32_t> written_in_transcript() const {
        static const QRegularExpression write(QStringLiteral("^ *\\d+[.,]\\d{3}  W +(\\d+)  "));
        std::vector<std::int32_t> values;
        for (const QString& line : transcript_lines()) {
            if (const auto match = write.match(line); match.hasMatch()) {
                values.push_back(match.captured(1).toInt());
            }
        }
        return values;
    }

    std::vector<read_run> read_runs_in_transcript() const {
        static const QRegularExpression read(
            QStringLiteral("^ *\\d+[.,]\\d{3}  R +(\\d+)  .*?(?:×(\\d+))?$"));
        std::vector<read_run> runs;
        for (const QString& line : transcript_lines()) {
            if (const auto match = read.match(line); match.hasMatch()) {
                const std::uint64_t count =
                    match.captured(2).isEmpty() ? 1 : match.captured(2).toULongLong();
                runs.emplace_back(match.captured(1).toInt(), count);
            }
        }
        return runs;
    }

    helio::manual_clock time{50us};
    helio::sim::heliograph_controller controller{time};
    helio::sim::simulated_device device{controller};
    helio::ttl_lines lines{device};
    helio::form1_model model{lines, time, ","};
    helio::line_monitor monitor{model};
    helio::virtual_instrument instrument{device};
    Form1 window{model};
    helio::panel_window panel{model, monitor, &instrument, helio::panel_titles::simulator};
    helio::test::port_recorder ports;
    std::vector<QString> errors;
};

TEST_F(PanelViewTest, EveryByteEachButtonSendsIsInTheTranscriptInOrder) {
    QTest::keyClicks(window.control("Text1"), "200");
    for (const char* button : {"Command1", "Command3", "Command2", "Command4", "Command5",
                               "Command6", "Command7", "Command8", "Command9", "Command10"}) {
        ports.writes.clear();
        const std::size_t before = written_in_transcript().size();
        click(button);
        const std::vector<std::int32_t> now = written_in_transcript();
        ASSERT_GE(now.size(), before) << button;
        const std::vector<std::int32_t> added(now.begin() + static_cast<long>(before), now.end());
        EXPECT_EQ(added, ports.writes) << button;
        EXPECT_EQ(panel.output_lamps().value(), ports.writes.back()) << button;
    }
    EXPECT_THAT(errors, IsEmpty());
    EXPECT_EQ(label("pusher_state"), QString::fromUtf8("actionné 1 fois"));
    EXPECT_EQ(label("blades_state"), QString::fromUtf8("code 200 (+0,7 Å)"));
}

TEST_F(PanelViewTest, ReadsShowAsRunsWithTheirCountsAndTheLampsHoldTheLastOne) {
    helio::test::port_recorder every_read(true);
    lines.add_observer(every_read);
    click("Command1");  // 1.5 s of mirror travel
    click("Command4");  // blades from 128 to 35
    lines.remove_observer(every_read);
    EXPECT_EQ(read_runs_in_transcript(), runs_of(every_read.events));
    EXPECT_EQ(read_runs_in_transcript().size(), 5u) << "13, 9 ×N, 11, 3 ×N, 11";
    EXPECT_EQ(panel.input_lamps().value(), 11);
    EXPECT_EQ(panel.output_lamps().value(), 0);
    EXPECT_THAT(label("mirror_state").toStdString(), ::testing::HasSubstr("visée"));
}

TEST_F(PanelViewTest, TheLampsAreLitByTheBitsOfTheByte) {
    click("Command1");
    const QImage lamps = find<helio::lamp_row>("input_lamps")->grab().toImage();
    const auto colour_at = [&](int bit) {
        return lamps.pixelColor(panel.input_lamps().lamp_rect(bit).center());
    };
    for (const int bit : {0, 1, 3}) {
        EXPECT_GT(colour_at(bit).green(), 2 * colour_at(bit).red()) << "bit " << bit << " is lit";
    }
    for (const int bit : {2, 4, 5, 6, 7}) {
        EXPECT_LT(colour_at(bit).value(), 100) << "bit " << bit << " is dark";
    }
}

TEST_F(PanelViewTest, ThePanelMakesNoPortAccessOfItsOwn) {
    click("Command1");
    const std::uint64_t accesses = device.accesses();
    for (int i = 0; i < 5; ++i) {
        panel.refresh();
        QTest::qWait(helio::panel_window::refresh_interval_ms);
    }
    find<QCheckBox>("mirror_stuck")->click();
    find<QCheckBox>("mirror_stuck")->click();
    find<QComboBox>("travel_speed")->setCurrentIndex(0);
    panel.hide();
    panel.show();
    EXPECT_EQ(device.accesses(), accesses);
    EXPECT_EQ(monitor.writes() + monitor.reads(), device.accesses())
        << "every access the device served came from a sequence";
}

/// The console with instant mechanisms and a clock that moves only when told, so that a
/// run of presses makes the same accesses every time.
struct still_console {
    helio::manual_clock time;
    helio::sim::heliograph_controller controller{time};
    helio::sim::simulated_device device{controller};
    helio::ttl_lines lines{device};
    helio::form1_model model{lines, time, ","};
    Form1 window{model};

    std::uint64_t run_presses() {
        controller.set_travel_scale(0);
        window.show();
        for (const char* name : {"Command1", "Command3", "Command2", "Command6", "Command9"}) {
            QTest::mouseClick(qobject_cast<QPushButton*>(window.control(name)), Qt::LeftButton);
        }
        return device.accesses();
    }
};

TEST(PanelAccessCount, TheSamePressesMakeTheSameAccessesWithThePanelOpenOrClosed) {
    still_console without_panel;
    const std::uint64_t alone = without_panel.run_presses();

    still_console with_panel;
    helio::line_monitor monitor(with_panel.model);
    helio::virtual_instrument instrument(with_panel.device);
    helio::panel_window panel(with_panel.model, monitor, &instrument,
                              helio::panel_titles::simulator);
    panel.show();
    EXPECT_EQ(with_panel.run_presses(), alone);
    EXPECT_EQ(alone, 27u) << "VISEE 6, POUSSOIR 6, CCD 6, H alpha 8, INIT 1";
}

TEST_F(PanelViewTest, TheSightingButtonSwitchDecidesWhatPoussoirDoes) {
    find<QCheckBox>("sighting_button")->click();
    EXPECT_FALSE(controller.sighting_button());
    click("Command3");
    EXPECT_THAT(model.lines(), ElementsAre("Bouton de visee NON active"));
    EXPECT_THAT(ports.writes, IsEmpty());

    find<QCheckBox>("sighting_button")->click();
    click("Command3");
    EXPECT_EQ(model.lines().back(), "Visee positionnee");
    EXPECT_THAT(ports.writes, ElementsAre(8, 10, 8, 0, 32, 34, 32, 0));
}

TEST_F(PanelViewTest, AStuckMirrorEndsInTheTimeOutMessage) {
    find<QCheckBox>("mirror_stuck")->click();
    click("Command1");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains(QString::fromUtf8("« miroir (position de visée) »")));
    EXPECT_TRUE(errors[0].contains(QString::fromUtf8("60 s")));
    EXPECT_TRUE(label("mirror_state").startsWith(QString::fromUtf8("BLOQUÉ")));
    const QStringList text = transcript_lines();
    ASSERT_GE(text.size(), 2);
    EXPECT_TRUE(text[text.size() - 2].contains(QString::fromUtf8("pas de réponse après 60,")));
    EXPECT_TRUE(text.last().contains(QString::fromUtf8("E  Le mécanisme « miroir")));
}

TEST_F(PanelViewTest, StuckBladesEndInTheTimeOutMessage) {
    find<QCheckBox>("blades_stuck")->click();
    click("Command8");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains(QString::fromUtf8("« lames »")));
    find<QCheckBox>("blades_stuck")->click();
    click("Command8");
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(model.lines().back(), "lames en position  +0,5 Ang.");
}

TEST_F(PanelViewTest, AnArmedFaultFailsTheNextAccessWithThePickedStatus) {
    find<QComboBox>("fault_status")->setCurrentIndex(1);  // E_ACCESSDENIED
    find<QPushButton>("arm_fault")->click();
    EXPECT_TRUE(label("armed_fault").contains("0x80070005"));
    click("Command9");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains("0x80070005"));
    EXPECT_TRUE(errors[0].contains("WritePort"));
    EXPECT_FALSE(label("armed_fault").contains("0x80070005")) << "spent";

    find<QComboBox>("fault_status")->setEditText("0x8000ffff");
    find<QPushButton>("arm_fault")->click();
    click("Command1");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(errors[1].contains("0x8000FFFF"));
    EXPECT_TRUE(errors[1].contains("ReadPort"));
}

TEST_F(PanelViewTest, AFaultCanBeDisarmedAndATypoIsRefused) {
    find<QPushButton>("arm_fault")->click();
    find<QPushButton>("cancel_fault")->click();
    find<QComboBox>("fault_status")->setEditText("zz");
    find<QPushButton>("arm_fault")->click();
    EXPECT_TRUE(label("armed_fault").startsWith("Code non reconnu"));
    EXPECT_FALSE(device.fault_pending());
    click("Command9");
    EXPECT_THAT(errors, IsEmpty());
}

TEST_F(PanelViewTest, TheSpeedSettingScalesTheTravel) {
    find<QComboBox>("travel_speed")->setCurrentIndex(0);
    EXPECT_EQ(controller.travel_scale(), 0.0);
    click("Command1");
    EXPECT_EQ(ports.reads, 2) << "an instant mirror is there at the first read of the wait";
    controller.set_travel_scale(3.0);
    panel.refresh();
    EXPECT_EQ(find<QComboBox>("travel_speed")->currentIndex(), 4) << "follows the simulator";
}

TEST_F(PanelViewTest, ABadPulseOnTheSimulatorShowsAsAViolation) {
    EXPECT_EQ(find<QListWidget>("violations")->count(), 0);
    controller.write_outputs(10);  // strobe B raised with the code in one write
    controller.write_outputs(0);   // and dropped with it
    panel.refresh();
    auto* list = find<QListWidget>("violations");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().contains(QString::fromUtf8("strobe levé en même temps")));
    EXPECT_TRUE(list->item(1)->text().contains(QString::fromUtf8("pendant un strobe")));
    EXPECT_TRUE(label("violation_count").startsWith("2 violation"));
    panel.refresh();
    EXPECT_EQ(list->count(), 2) << "each breach is listed once";
}

/// Counts the paintings of one widget.
class paint_counter final : public QObject {
  public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

/// Looks at the panel from inside a wait, after it had its chance to follow.
class wait_watcher final : public helio::wait_observer {
  public:
    wait_watcher(const helio::panel_window& panel, const paint_counter& painted)
        : panel_(panel), painted_(painted) {}
    void still_waiting() override {
        inputs_seen.push_back(panel_.input_lamps().value().value_or(-1));
        paints_seen.push_back(painted_.paints);
    }
    std::vector<int> inputs_seen;
    std::vector<int> paints_seen;

  private:
    const helio::panel_window& panel_;
    const paint_counter& painted_;
};

TEST_F(PanelViewTest, BothWindowsKeepPaintingDuringAWait) {
    paint_counter lamp_paints;
    find<helio::lamp_row>("input_lamps")->installEventFilter(&lamp_paints);
    wait_watcher watcher(panel, lamp_paints);
    model.context().wait_observers.add(watcher);
    click("Command1");
    model.context().wait_observers.remove(watcher);
    ASSERT_FALSE(watcher.inputs_seen.empty());
    EXPECT_EQ(watcher.inputs_seen.front(), 9) << "the mirror travelling: button and blades";
    EXPECT_GT(watcher.paints_seen.back(), watcher.paints_seen.front())
        << "the lamps were painted again while Form1 was busy";
}

TEST_F(PanelViewTest, TheSimulationIsTitledAndBanneredAsSuch) {
    EXPECT_TRUE(panel.windowTitle().startsWith("SIMULATION"));
    EXPECT_NE(panel.findChild<QLabel*>("simulation_banner"), nullptr);
    EXPECT_NE(panel.instrument(), nullptr);
    EXPECT_GT(panel.x(), window.frameGeometry().right()) << "beside Form1, on its right";
}

TEST_F(PanelViewTest, Form1KeepsExactlyItsControls) {
    std::vector<std::string> children;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        children.push_back(child->objectName().toStdString());
    }
    std::vector<std::string> expected;
    for (const helio::layout::control_spec& item : helio::layout::controls) {
        expected.emplace_back(item.name);
    }
    std::ranges::sort(children);
    std::ranges::sort(expected);
    EXPECT_EQ(children, expected);
}

TEST(PanelOpening, AfterTheFirstPaintOfTheFormOnce) {
    QWidget form;
    int calls = 0;
    helio::after_first_paint(form, [&calls] { ++calls; });
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0) << "nothing before the form is painted";
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&calls] { return calls == 1; }));
    form.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

TEST(PanelOnTheInstrument, IsTheLineMonitorAloneAndOpensOnF12) {
    helio::manual_clock time;
    helio::sim::heliograph_controller controller(time);
    helio::sim::simulated_device device(controller);
    helio::ttl_lines lines(device);
    helio::form1_model model(lines, time, ",");
    helio::line_monitor monitor(model);
    Form1 window(model);
    helio::panel_window panel(model, monitor, nullptr, helio::panel_titles::real_device);
    helio::on_f12(window, [&panel] { helio::bring_forward(panel); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.instrument(), nullptr);
    EXPECT_EQ(panel.findChild<QLabel*>("simulation_banner"), nullptr);
    EXPECT_FALSE(panel.windowTitle().contains("SIMULATION"));

    model.press("Command9");
    QTest::keyClick(&window, Qt::Key_F12);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.output_lamps().value(), 0) << "it shows what happened before it opened";
    EXPECT_TRUE(panel.transcript().toPlainText().contains("W   0  0000 0000"));
    panel.close();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(window.isVisible()) << "closing the panel leaves the console running";
    EXPECT_EQ(device.accesses(), 1u) << "INIT's write, nothing more";
}

}  // namespace
