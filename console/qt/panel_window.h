// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QTabBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <string_view>

#include "console/panel_layout.h"
#include "console/panel_presenter.h"

namespace helio {

/// The maintainer's second window beside Form1: the widgets its presenter describes on two
/// pages under a tab bar (the monitor, the timing view), where the panel's layout puts
/// them, drawn as the presenter says, every action on them forwarded to it. It follows the
/// presenter on a short timer between presses and at every keep-alive of a wait; closing
/// it only hides it. Widgets are named (objectName) after their control, for the tests
/// and for accessibility tools.
class panel_window final : public QWidget {
    Q_OBJECT

  public:
    explicit panel_window(panel_presenter& presenter, QWidget* parent = nullptr);
    ~panel_window() override;

    /// Draws what changed; nothing at all while the panel is hidden.
    void refresh();

    /// The widget made for the control `name`, or nullptr.
    QWidget* control(std::string_view name) const;

    /// Lays itself out for the room beside `form` on its screen, and goes there.
    void move_beside(const QWidget& form);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void make_page(std::size_t page, const panel_layout& layout);
    QWidget* make(const panel_control& control, int lamp_diameter, QWidget* page);
    QWidget* make_switch(const panel_control& control, QWidget* page);
    /// The tab bar's height: what the pages leave of the client area's.
    int bar_height() const { return tabs_->sizeHint().height(); }
    screen_size preferred_size() const;
    void lay_out();
    void draw(const panel_update& update);

    panel_presenter& presenter_;
    std::unique_ptr<panel_metrics> metrics_;
    std::unique_ptr<panel_layout> layout_;
    std::unique_ptr<panel_layout> timing_layout_;
    QTabBar* tabs_;
    std::array<QWidget*, 2> pages_{};
    std::map<const panel_control*, QWidget*> widgets_;
    QTimer timer_;
};

/// Shows `panel` beside `form`, within the screen's available area, leaving the focus in
/// `form`: how the panel comes up as the console starts.
void show_beside(const QWidget& form, panel_window& panel);

/// Shows `panel` and brings it forward.
void bring_forward(QWidget& panel);

}  // namespace helio
