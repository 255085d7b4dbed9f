// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "console/panel_presenter.h"

class QLabel;

namespace helio {

class instrument_box;
class lamp_row;
class line_list;

/// The maintainer's second window beside Form1, drawn from its presenter: the lamps of the
/// output and input lines, the transcript of every access, and on the simulator the
/// virtual instrument. It follows the presenter on a short timer between presses and at
/// every keep-alive of a wait; closing it only hides it.
class panel_window final : public QWidget {
    Q_OBJECT

  public:
    explicit panel_window(panel_presenter& presenter, QWidget* parent = nullptr);
    ~panel_window() override;

    /// Draws what changed; nothing at all while the panel is hidden.
    void refresh();

    const lamp_row& output_lamps() const { return *output_lamps_; }
    const lamp_row& input_lamps() const { return *input_lamps_; }
    const line_list& transcript() const { return *transcript_; }
    instrument_box* instrument() const { return instrument_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* create_banner();
    QWidget* create_lines();
    QWidget* create_transcript();
    void draw(const panel_update& update);

    panel_presenter& presenter_;
    lamp_row* output_lamps_ = nullptr;
    lamp_row* input_lamps_ = nullptr;
    QLabel* output_value_ = nullptr;
    QLabel* input_value_ = nullptr;
    QLabel* wait_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* status_lines_ = nullptr;
    line_list* transcript_ = nullptr;
    instrument_box* instrument_ = nullptr;
    QTimer timer_;
};

/// Shows `panel` beside `form`, within the screen's available area, leaving the focus in
/// `form`: how the panel comes up as the console starts.
void show_beside(const QWidget& form, QWidget& panel);

/// Shows `panel` and brings it forward.
void bring_forward(QWidget& panel);

/// F12 in `form` calls `open`: Form1 gains no control for it.
void on_f12(QWidget& form, std::function<void()> open);

/// Calls `then` once, as soon as `form` has been painted for the first time, so that the
/// operator's window is up before anything else is built.
void after_first_paint(QWidget& form, std::function<void()> then);

}  // namespace helio
