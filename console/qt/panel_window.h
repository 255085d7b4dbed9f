// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <string_view>

#include "console/form1_model.h"
#include "console/line_monitor.h"
#include "console/virtual_instrument.h"

class QLabel;

namespace helio {

class instrument_box;
class lamp_row;
class transcript_view;

/// The maintainer's second window beside Form1: the lamps of the output and input lines,
/// the transcript of every access, and on the simulator the virtual instrument. It shows
/// what the sequences did and never reaches the port itself. It follows the models on a
/// short timer between presses and at every keep-alive of a wait, so that it moves while
/// Form1 is busy; closing it only hides it.
class panel_window final : public QWidget, private wait_observer {
    Q_OBJECT

  public:
    /// How often the panel looks at the models between presses.
    static constexpr int refresh_interval_ms = 50;

    /// `instrument` is null on the real instrument: the panel is then the line monitor alone.
    panel_window(form1_model& model, const line_monitor& monitor, virtual_instrument* instrument,
                 std::string_view title, QWidget* parent = nullptr);
    ~panel_window() override;

    /// Brings every widget up to date with the models; cheap when nothing changed, and
    /// nothing at all while the panel is hidden.
    void refresh();

    const lamp_row& output_lamps() const { return *output_lamps_; }
    const lamp_row& input_lamps() const { return *input_lamps_; }
    const transcript_view& transcript() const { return *transcript_; }
    instrument_box* instrument() const { return instrument_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* create_banner();
    QWidget* create_lines();
    QWidget* create_transcript();
    void still_waiting() override { refresh(); }

    form1_model& model_;
    const line_monitor& monitor_;
    lamp_row* output_lamps_ = nullptr;
    lamp_row* input_lamps_ = nullptr;
    QLabel* output_value_ = nullptr;
    QLabel* input_value_ = nullptr;
    QLabel* wait_ = nullptr;
    QLabel* counts_ = nullptr;
    transcript_view* transcript_ = nullptr;
    instrument_box* instrument_ = nullptr;
    QTimer timer_;
};

/// Shows `panel` to the right of `form`, top edges level, leaving the focus in `form`: how
/// the panel comes up as the console starts.
void show_beside(const QWidget& form, QWidget& panel);

/// Shows `panel` and brings it forward.
void bring_forward(QWidget& panel);

/// F12 in `form` calls `open`: Form1 gains no control for it.
void on_f12(QWidget& form, std::function<void()> open);

/// Calls `then` once, as soon as `form` has been painted for the first time, so that the
/// operator's window is up before anything else is built.
void after_first_paint(QWidget& form, std::function<void()> then);

}  // namespace helio
