// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/panel_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "console/panel_texts.h"
#include "console/qt/form1.h"
#include "console/qt/lamp_row.h"
#include "console/qt/line_list.h"
#include "console/qt/panel_text.h"
#include "console/qt/timing_view.h"
#include "console/transcript_text.h"
#include "panel_fixture.h"

namespace helio {
namespace {

using panel_text::from_utf8;

TEST_F(PanelViewTest, DrawsTheTranscriptLabelsAndLampsThePresenterGives) {
    click("Command1");  // 1.5 s of travel: the run of reads of 9 grows at every keep-alive
    QStringList expected;
    for (const transcript_entry& entry : monitor.transcript()) {
        expected.append(from_utf8(transcript_line(entry, monitor.origin(), ",")));
    }
    EXPECT_EQ(find<line_list>("transcript")->lines(), expected);
    EXPECT_EQ(label("mirror_state"), QString::fromUtf8("en position de visée"));
    EXPECT_EQ(find<QLabel>("armed_fault")->text(),
              QString::fromUtf8("Aucune panne d'accès armée."));

    lamp_row* row = find<lamp_row>("input_lamps");
    const QImage lamps = row->grab().toImage();
    const auto colour = [&](int position) {
        return lamps.pixelColor(row->lamp_rect(position).center());
    };
    const QColor lit = panel_text::from_rgb(panel_colours::input_lit);
    const QColor dark = panel_text::from_rgb(panel_colours::dark_lamp);
    for (int position = 0; position < 8; ++position) {
        EXPECT_EQ(colour(position), position == 4 || position >= 6 ? lit : dark)
            << "11 read last: bits 0, 1 and 3 lit, at positions 7, 6 and 4";
    }
    EXPECT_EQ(monitor.writes() + monitor.reads(), sim->factory.accesses())
        << "the panel made no access of its own";
}

TEST_F(PanelViewTest, ForwardsEverySwitchAndDrawsWhereTheyStand) {
    find<QCheckBox>("sighting_button")->click();
    find<QCheckBox>("mirror_stuck")->click();
    find<QCheckBox>("blades_stuck")->click();
    find<QComboBox>("travel_speed")->setCurrentIndex(0);
    EXPECT_FALSE(sim->controller.sighting_button());
    EXPECT_TRUE(sim->controller.mirror().stuck());
    EXPECT_TRUE(sim->controller.blades().stuck());
    EXPECT_EQ(sim->controller.travel_scale(), 0.0);

    auto* entry = find<QComboBox>("fault_status");
    entry->setEditText("zz");
    find<QPushButton>("arm_fault")->click();
    EXPECT_EQ(label("armed_fault"), from_utf8(panel_captions::unknown_status));
    entry->setEditText("0x80070005");
    EXPECT_TRUE(label("armed_fault").startsWith("Code non reconnu")) << "drawn at the next refresh";
    find<QPushButton>("arm_fault")->click();
    EXPECT_TRUE(sim->factory.fault_pending());
    EXPECT_TRUE(label("armed_fault").contains("0x80070005"));
    find<QPushButton>("cancel_fault")->click();
    EXPECT_FALSE(sim->factory.fault_pending());

    instrument.set_sighting_button(true);
    sim->controller.set_travel_scale(3.0);
    panel.refresh();
    EXPECT_TRUE(find<QCheckBox>("sighting_button")->isChecked());
    EXPECT_EQ(find<QComboBox>("travel_speed")->currentIndex(), 4);
    EXPECT_TRUE(sim->controller.sighting_button()) << "drawing a switch does not forward it";
}

TEST_F(PanelViewTest, TheTimingPageDrawsEachPressAndGoesBackToTheOneBefore) {
    click("Command9");
    click("Command2");
    panel.findChild<QTabBar*>(QStringLiteral("pages"))->setCurrentIndex(1);
    timing_view* chart = find<timing_view>("timing_chart");
    ASSERT_TRUE(chart->isVisible());
    const QImage drawn = chart->viewport()->grab().toImage();
    int traced = 0;  // the output lines' traces
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            traced += drawn.pixelColor(x, y) == panel_text::from_rgb(panel_colours::output_lit);
        }
    }
    EXPECT_GT(traced, chart->width()) << "eight traces of CCD's writes across the chart";
    EXPECT_TRUE(label("timing_press").startsWith("Action 2 sur 2 : Command2 : CCD"));
    find<QPushButton>("timing_previous")->click();
    EXPECT_TRUE(label("timing_press").startsWith("Action 1 sur 2 : Command9 : INIT"));
}

TEST_F(PanelViewTest, ListsMakeTheChangesTheyAreGiven) {
    sim->controller.write_outputs(10);  // a breach: strobe B raised with the code
    panel.refresh();
    auto* list = find<line_list>("violations");
    ASSERT_EQ(list->lines().size(), 1);
    list->show_changes({.last_line = "rewritten", .new_lines = {"b", "c"}, .dropped = 2});
    EXPECT_EQ(list->lines(), QStringList({"c"}));
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

TEST_F(PanelViewTest, TheLampsArePaintedAgainDuringAWait) {
    paint_counter lamp_paints;
    find<lamp_row>("input_lamps")->installEventFilter(&lamp_paints);
    // A window shown reaches the screen a little later: its first painting is not a repaint.
    ASSERT_TRUE(QTest::qWaitFor([&] { return lamp_paints.paints > 0; }));
    std::vector<int> paints_seen;
    const test::keep_alive_probe probe(sim->device,
                                       [&] { paints_seen.push_back(lamp_paints.paints); });
    click("Command1");
    ASSERT_GT(paints_seen.size(), 2u);
    EXPECT_GT(paints_seen.back(), paints_seen.front()) << "while Form1 was busy";
}

TEST_F(PanelViewTest, StandsBesideForm1AsASimulationWithoutTakingTheFocus) {
    EXPECT_TRUE(panel.windowTitle().startsWith("SIMULATION"));
    EXPECT_NE(panel.control("simulation_banner"), nullptr);
    EXPECT_GT(panel.x(), window.frameGeometry().right()) << "on Form1's right";
    EXPECT_FALSE(panel.isActiveWindow()) << "Form1 keeps the focus";
}

TEST(PanelOpening, AfterTheFirstPaintOfTheFormOnce) {
    QWidget form;
    int calls = 0;
    after_first_paint(form, [&calls] { ++calls; });
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0) << "nothing before the form is painted";
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&calls] { return calls == 1; }));
    form.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

TEST(PanelOnTheInstrument, IsTheLineMonitorAloneAndOpensOnF12) {
    const auto sim = test::make_sim().build();
    line_monitor monitor(sim->device);
    panel_presenter presenter(sim->device, monitor, nullptr, panel_titles::real_device);
    Form1 window(sim->model);
    panel_window panel(presenter);
    on_f12(window, [&panel] { bring_forward(panel); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.control("mirror_stuck"), nullptr);
    EXPECT_EQ(panel.control("simulation_banner"), nullptr);

    sim->model.press("Command9");
    QTest::keyClick(&window, Qt::Key_F12);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(qobject_cast<line_list*>(panel.control("transcript"))->lines(),
              QStringList({QString::fromUtf8("    0,000  W   0  0000 0000  lignes au repos")}))
        << "it shows what happened before it opened";
    panel.close();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(window.isVisible()) << "closing the panel leaves the console running";
}

}  // namespace
}  // namespace helio
