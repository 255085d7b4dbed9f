// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "console/panel_texts.h"
#include "console/qt/form1.h"
#include "console/qt/panel_window.h"
#include "support/simulated_panel.h"

namespace helio {

/// Form1 and the panel drawn from its presenter over the simulated heliograph, as the
/// console runs them on Linux, on a clock that moves 50 µs at every reading.
class PanelViewTest : public ::testing::Test, protected test::simulated_panel {
  protected:
    PanelViewTest() {
        window.set_error_presenter([this](QWidget*, const QString& message) {
            sim->host.show_error(message.toStdString());
        });
        on_f12(window, [this] { bring_forward(panel); });
        window.show();
        show_beside(window, panel);
    }

    void click(std::string_view name) {
        QTest::mouseClick(qobject_cast<QPushButton*>(window.control(name)), Qt::LeftButton);
        panel.refresh();
    }

    template <class Widget>
    Widget* find(const char* name) const {
        auto* widget = qobject_cast<Widget*>(panel.control(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }

    Form1 window{sim->model};
    panel_window panel{presenter};
};

}  // namespace helio
