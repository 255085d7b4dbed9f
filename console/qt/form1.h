// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

#include "console/form1_model.h"
#include "console/form_layout.h"

/// The console window on Qt: widgets laid out from the control table, the message log
/// painted on the background, and every press handed to the model.
class Form1 final : public QWidget, private helio::form_host {
    Q_OBJECT

  public:
    using error_presenter = std::function<void(QWidget* parent, const QString& message)>;

    explicit Form1(helio::form1_model& model, QWidget* parent = nullptr);
    ~Form1() override;

    /// Replaces the message box (tests record the message instead).
    void set_error_presenter(error_presenter presenter) { present_error_ = std::move(presenter); }

    /// The widget made for the table entry `name`, or nullptr.
    QWidget* control(std::string_view name) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void create_controls();
    QWidget* create_control(const helio::layout::control_spec& item);

    void show_error(const std::string& message) override;
    void show_busy(bool busy) override;
    void keep_alive() override;
    void close_window() override;
    void line_logged(const std::string& text) override;

    helio::form1_model& model_;
    error_presenter present_error_;
};

namespace helio {

/// F12 in `form` calls `open`: Form1 gains no control for it.
void on_f12(QWidget& form, std::function<void()> open);

/// Calls `then` once, as soon as `form` has been painted for the first time, so that the
/// operator's window is up before anything else is built.
void after_first_paint(QWidget& form, std::function<void()> then);

}  // namespace helio
